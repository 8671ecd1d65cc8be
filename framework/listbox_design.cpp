// The design properties of a Listbox: each setter checks its value and keeps it, and shows it in
// the view once the view exists; CreateWidget shows them all.
#include <QFontMetrics>
#include <QHeaderView>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "framework/listbox.h"
#include "framework/listbox_parts.h"
#include "framework/qt_support.h"
#include "framework/text_lines.h"

namespace fw {

using internal::ListView;

std::int64_t Listbox::ColumnCount() const { return parts_->model->Columns(); }

void Listbox::SetColumnCount(std::int64_t count) {
  CheckUIThread();
  if (count < 1 || count > 4096) {
    throw OutOfBoundsException("Listbox " + Name() + ".ColumnCount " + std::to_string(count) +
                               " is outside 1 to 4096");
  }
  parts_->model->Flush();
  parts_->model->SetColumns(static_cast<int>(count));
  if (heading_index_ >= count) heading_index_ = -1;
  ApplyHeading();
  ApplyColumnWidths();
}

void Listbox::SetColumnWidths(const std::string& widths) {
  CheckUIThread();
  column_widths_ = widths;
  ApplyColumnWidths();
}

void Listbox::ApplyColumnWidths() {
  ListView* view = parts_->view;
  if (!view) return;
  view->horizontalHeader()->setSectionResizeMode(columns_resizable_ ? QHeaderView::Interactive
                                                                    : QHeaderView::Fixed);
  view->SetColumnWidthsText(column_widths_);
}

void Listbox::SetHasHeading(bool v) {
  CheckUIThread();
  has_heading_ = v;
  ApplyHeading();
}

void Listbox::ApplyHeading() {
  ListView* view = parts_->view;
  if (!view) return;
  QHeaderView* header = view->horizontalHeader();
  header->setVisible(has_heading_);
  header->setSortIndicatorShown(heading_index_ >= 0);
  header->setSortIndicator(heading_index_ >= 0 ? static_cast<int>(heading_index_) : -1,
                           Qt::AscendingOrder);
}

void Listbox::SetInitialValue(const std::string& value) {
  CheckUIThread();
  initial_value_ = value;
  parts_->model->Clear();
  for (const std::string& line : internal::SplitLines(value)) {
    std::vector<std::string> cells;
    std::size_t cell_start = 0;
    for (;;) {
      const std::size_t tab = line.find('\t', cell_start);
      cells.push_back(line.substr(cell_start, tab == std::string::npos ? tab : tab - cell_start));
      if (tab == std::string::npos) break;
      cell_start = tab + 1;
    }
    parts_->model->AppendRow(std::move(cells));
  }
}

void Listbox::SetDefaultRowHeight(std::int64_t height) {
  CheckUIThread();
  if (height < -1 || height > 32000) {
    throw OutOfBoundsException("Listbox " + Name() + ".DefaultRowHeight " + std::to_string(height) +
                               " is outside -1 to 32000");
  }
  default_row_height_ = height;
  ApplyRowHeight();
}

void Listbox::ApplyRowHeight() {
  ListView* view = parts_->view;
  if (!view) return;
  const int height = default_row_height_ > 0 ? static_cast<int>(default_row_height_)
                                             : QFontMetrics(view->font()).height() + 4;
  QHeaderView* rows = view->verticalHeader();
  rows->setMinimumSectionSize(1);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(height);
}

void Listbox::SetGridLinesHorizontal(std::int64_t style) {
  CheckUIThread();
  if (style < 0) {
    throw OutOfBoundsException("Listbox " + Name() + ".GridLinesHorizontal " +
                               std::to_string(style) + " is negative");
  }
  grid_horizontal_ = style;
  ApplyGrid();
}

void Listbox::SetGridLinesVertical(std::int64_t style) {
  CheckUIThread();
  if (style < 0) {
    throw OutOfBoundsException("Listbox " + Name() + ".GridLinesVertical " + std::to_string(style) +
                               " is negative");
  }
  grid_vertical_ = style;
  ApplyGrid();
}

void Listbox::ApplyGrid() {
  if (ListView* view = parts_->view) view->setShowGrid(grid_horizontal_ > 1 || grid_vertical_ > 1);
}

void Listbox::SetBorder(bool v) {
  CheckUIThread();
  border_ = v;
  if (ListView* view = parts_->view) view->setFrameShape(v ? QFrame::StyledPanel : QFrame::NoFrame);
}

void Listbox::SetScrollBarVertical(bool v) {
  CheckUIThread();
  scroll_vertical_ = v;
  ApplyScrollBars();
}

void Listbox::SetScrollBarHorizontal(bool v) {
  CheckUIThread();
  scroll_horizontal_ = v;
  ApplyScrollBars();
}

void Listbox::SetAutoHideScrollbars(bool v) {
  CheckUIThread();
  auto_hide_scrollbars_ = v;
  ApplyScrollBars();
}

void Listbox::ApplyScrollBars() {
  ListView* view = parts_->view;
  if (!view) return;
  auto policy = [this](bool shown) {
    if (!shown) return Qt::ScrollBarAlwaysOff;
    return auto_hide_scrollbars_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
  };
  view->setVerticalScrollBarPolicy(policy(scroll_vertical_));
  view->setHorizontalScrollBarPolicy(policy(scroll_horizontal_));
}

void Listbox::SetUseFocusRing(bool v) {
  CheckUIThread();
  use_focus_ring_ = v;
  if (ListView* view = parts_->view) view->setAttribute(Qt::WA_MacShowFocusRect, v);
}

void Listbox::SetSelectionType(std::int64_t type) {
  CheckUIThread();
  if (type != 0 && type != 1) {
    throw OutOfBoundsException("Listbox " + Name() + ".SelectionType " + std::to_string(type) +
                               " is neither 0 (single) nor 1 (multiple)");
  }
  selection_type_ = type;
  if (ListView* view = parts_->view) {
    view->setSelectionMode(type == 0 ? QAbstractItemView::SingleSelection
                                     : QAbstractItemView::ExtendedSelection);
  }
}

void Listbox::SetColumnsResizable(bool v) {
  CheckUIThread();
  columns_resizable_ = v;
  ApplyColumnWidths();
}

void Listbox::SetEnableDrag(bool v) {
  if (v) {
    throw UnsupportedOperationException("Listbox " + Name() + ".EnableDrag True is not supported");
  }
}

void Listbox::SetEnableDragReorder(bool v) {
  if (v) {
    throw UnsupportedOperationException("Listbox " + Name() +
                                        ".EnableDragReorder True is not supported");
  }
}

void Listbox::SetDropIndicatorVisible(bool v) {
  CheckUIThread();
  drop_indicator_visible_ = v;
  if (ListView* view = parts_->view) view->setDropIndicatorShown(v);
}

void Listbox::SetHierarchical(bool v) {
  if (v) {
    throw UnsupportedOperationException("Listbox " + Name() +
                                        ".Hierarchical True is not supported");
  }
}

void Listbox::SetHeadingIndex(std::int64_t column) {
  CheckUIThread();
  if (column != -1) CheckColumn("HeadingIndex", column);
  heading_index_ = column;
  ApplyHeading();
}

void Listbox::ApplyFont() {
  ListView* view = parts_->view;
  if (!view) return;
  view->setFont(DesignFont());
  ApplyRowHeight();
}

}  // namespace fw
