// The table view of a Listbox, for the framework's own files.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/listbox_view.h is the framework's own header, not for program code"
#endif

#include <QPoint>
#include <QString>
#include <QTableView>
#include <string>

namespace fw {
class Listbox;
}  // namespace fw

namespace fw::internal {

// The table view: no edit triggers of its own, a click raises CellClick first, and while a cell
// is being edited the view leaves the keys that the editor did not take alone. While the view
// itself has the focus, the arrows move its current cell, F2 and Return act as a click on that
// cell, and a screen reader hears of the cell. Its owner detaches it when the Listbox goes, as
// the window may keep the view a little longer; a detached view raises nothing.
class ListView : public QTableView {
 public:
  ListView(Listbox* owner, QWidget* parent);

  void Detach() { owner_ = nullptr; }
  void SetColumnWidthsText(const std::string& text);
  void LayOutColumns();
  void LayOutNow() { executeDelayedItemsLayout(); }
  void MoveFocus(bool next) { focusNextPrevChild(next); }
  // Keys typed while no cell is being edited do nothing: the view's search by first letters
  // would move the selection to another row and leave the typed digits nowhere.
  void keyboardSearch(const QString&) override {}

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // Raises CellClick for the cell, at the point within it; the handler's result.
  bool RaiseClick(int row, int column, QPoint within);
  // What a click that the handler left does besides selecting: it edits an editable cell.
  void EditIfEditable(int row, int column);
  void ClickCurrentCell();
  // Tells a screen reader that the current cell has the keyboard, while the view has it.
  void ScheduleAnnouncement();
  void AnnounceCurrentCell();

  Listbox* owner_;
  std::string widths_text_;
  bool announcement_pending_ = false;
};

}  // namespace fw::internal
