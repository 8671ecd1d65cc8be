// PopupMenu: a choice of one row among several. ListIndex is -1 while no row is chosen; adding
// rows chooses none. Change follows every change of ListIndex, whether the user chose a row or
// the program set the index or removed the rows.
//
// Events: Open ( PopupMenu ); Change ( PopupMenu ).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/text_control.h"

namespace fw {

namespace internal {
class PopupMenuWidget;
}  // namespace internal

class PopupMenu : public TextControl {
 public:
  static constexpr const char* kClassName = "PopupMenu";
  PopupMenu();
  ~PopupMenu() override;

  void Constructor() override;

  // The rows, one per line, replacing any rows there are.
  const std::string& InitialValue() const { return initial_value_; }
  void SetInitialValue(const std::string& rows);
  // A row index, or -1 for none. Another value raises OutOfBoundsException, except on a pop-up
  // without rows, where it leaves -1.
  std::int64_t ListIndex() const { return index_; }
  void SetListIndex(std::int64_t index);

  void AddRow(const std::string& text);
  std::int64_t ListCount() const { return static_cast<std::int64_t>(rows_.size()); }
  std::string List(std::int64_t index) const;
  void RemoveAllRows();

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  friend class internal::PopupMenuWidget;

  void RaiseOpen() override;
  void RaiseChange();
  // The user chose the row with that index in the widget.
  void ChosenInWidget(std::int64_t index);
  void ShowIndex();
  std::vector<std::string> rows_;
  std::string initial_value_;
  std::int64_t index_ = -1;
};

}  // namespace fw
