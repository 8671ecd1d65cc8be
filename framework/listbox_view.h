// The table view of a Listbox, for the framework's own files.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/listbox_view.h is the framework's own header, not for program code"
#endif

#include <QString>
#include <QTableView>
#include <string>

namespace fw {
class Listbox;
}  // namespace fw

namespace fw::internal {

// The table view: no edit triggers of its own, a click raises CellClick first, and while a cell
// is being edited the view leaves the keys that the editor did not take alone. Its owner detaches
// it when the Listbox goes, as the window may keep the view a little longer; a detached view
// raises nothing.
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
  bool viewportEvent(QEvent* event) override;

 private:
  Listbox* owner_;
  std::string widths_text_;
};

}  // namespace fw::internal
