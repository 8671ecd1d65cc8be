#include "framework/listbox_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <cstddef>
#include <vector>

#include "framework/column_widths.h"
#include "framework/error_report.h"
#include "framework/listbox.h"
#include "framework/listbox_header.h"
#include "framework/listbox_model.h"

namespace fw::internal {

ListView::ListView(Listbox* owner, QWidget* parent) : QTableView(parent), owner_(owner) {
  setHorizontalHeader(new ListHeader(this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setDragEnabled(false);
  verticalHeader()->hide();
  QHeaderView* header = horizontalHeader();
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(1);
  header->setSectionsClickable(true);
  header->setHighlightSections(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
    Listbox* owner = owner_;
    if (!owner) return;
    CallFromQt([&] { owner->HeadingClicked(column); });
  });
}

void ListView::SetColumnWidthsText(const std::string& text) {
  widths_text_ = text;
  LayOutColumns();
}

void ListView::LayOutColumns() {
  const int columns = model() ? model()->columnCount() : 0;
  const std::vector<int> widths = ColumnWidthsFor(widths_text_, columns, viewport()->width());
  for (int i = 0; i < columns; ++i) {
    horizontalHeader()->resizeSection(i, widths[static_cast<std::size_t>(i)]);
  }
}

void ListView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const QModelIndex index = indexAt(p);
  if (!owner_ || !index.isValid()) {
    QTableView::mousePressEvent(event);
    return;
  }
  const int row = index.row(), column = index.column();
  const QRect cell = visualRect(index);
  bool handled = false;
  QPointer<ListView> self(this);
  Listbox* owner = owner_;
  CallFromQt([&] {
    handled = owner->RaiseCellClick(row, column, p.x() - cell.left(), p.y() - cell.top());
  });
  if (!self) return;
  if (handled) {
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
  if (!self || !owner_) return;
  owner = owner_;
  CallFromQt([&] {
    if (row < owner->ListCount() && column < owner->ColumnCount() &&
        owner->CellType(row, column) == kEditableType) {
      owner->EditCell(row, column);
    }
  });
}

void ListView::keyPressEvent(QKeyEvent* event) {
  if (state() == EditingState) {
    event->ignore();
    return;
  }
  QTableView::keyPressEvent(event);
}

bool ListView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Resize) LayOutColumns();
  return QTableView::viewportEvent(event);
}

}  // namespace fw::internal
