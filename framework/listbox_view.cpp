#include "framework/listbox_view.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaObject>
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
  QPointer<ListView> self(this);
  const bool handled = RaiseClick(row, column, p - visualRect(index).topLeft());
  if (!self) return;
  if (handled) {
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
  if (self) EditIfEditable(row, column);
}

void ListView::keyPressEvent(QKeyEvent* event) {
  if (state() == EditingState) {
    event->ignore();
    return;
  }
  // F2, the desktop's key for editing in a list, and Return act as a click on the current cell.
  const int key = event->key();
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter) && owner_ &&
      currentIndex().isValid()) {
    event->accept();
    ClickCurrentCell();
    return;
  }
  QTableView::keyPressEvent(event);
}

void ListView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  ScheduleAnnouncement();
}

void ListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // Not QTableView's, which announces the cell even when an editor takes the focus at once.
  QAbstractItemView::currentChanged(current, previous);
  ScheduleAnnouncement();
}

void ListView::ScheduleAnnouncement() {
  // On the next turn of the event loop: after the view's own focus event, which Qt sends once
  // focusInEvent returns, and once an edit that moves the current cell has taken the focus.
  if (announcement_pending_ || !QAccessible::isActive()) return;
  announcement_pending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        announcement_pending_ = false;
        AnnounceCurrentCell();
      },
      Qt::QueuedConnection);
}

bool ListView::RaiseClick(int row, int column, QPoint within) {
  bool handled = false;
  Listbox* owner = owner_;
  if (!owner) return false;
  CallFromQt([&] { handled = owner->RaiseCellClick(row, column, within.x(), within.y()); });
  return handled;
}

void ListView::EditIfEditable(int row, int column) {
  Listbox* owner = owner_;
  if (!owner) return;
  CallFromQt([&] {
    if (row < owner->ListCount() && column < owner->ColumnCount() &&
        owner->CellType(row, column) == kEditableType) {
      owner->EditCell(row, column);
    }
  });
}

void ListView::ClickCurrentCell() {
  const QModelIndex index = currentIndex();
  if (!index.isValid()) return;
  const int row = index.row(), column = index.column();
  const QRect cell = visualRect(index);
  QPointer<ListView> self(this);
  const bool handled = RaiseClick(row, column, QPoint(cell.width() / 2, cell.height() / 2));
  if (self && !handled) EditIfEditable(row, column);
}

void ListView::AnnounceCurrentCell() {
  if (!QAccessible::isActive()) return;
  const QModelIndex current = currentIndex();
  if (!hasFocus() || state() == EditingState || !current.isValid()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
  QAccessibleInterface* cell = cells ? cells->cellAt(current.row(), current.column()) : nullptr;
  if (!cell) return;
  // A screen reader may still hold the text the cell had when it last asked: the name first.
  QAccessibleEvent name(cell, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleEvent focus(cell, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

bool ListView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Resize) LayOutColumns();
  return QTableView::viewportEvent(event);
}

}  // namespace fw::internal
