// PopupMenu: a choice of one row among several. ListIndex is -1 while no row is chosen; adding
// rows chooses none. Change follows every change of ListIndex, whether the user chose a row or
// the program set the index or removed the rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/control.h"

namespace fw {

class PopupMenu : public RectControl {
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
  const std::string& TextFont() const { return font_; }
  void SetTextFont(const std::string& font);
  double TextSize() const { return size_; }
  void SetTextSize(double size);
  std::int64_t TextUnit() const { return unit_; }
  void SetTextUnit(std::int64_t unit);
  bool Bold() const { return bold_; }
  void SetBold(bool v);
  bool Italic() const { return italic_; }
  void SetItalic(bool v);
  bool Underline() const { return underline_; }
  void SetUnderline(bool v);

  void AddRow(const std::string& text);
  std::int64_t ListCount() const { return static_cast<std::int64_t>(rows_.size()); }
  std::string List(std::int64_t index) const;
  void RemoveAllRows();

  // Events: Open ( PopupMenu ); Change ( PopupMenu ).
  void _RaiseOpen() override;
  void _RaiseChange();
  void _ChosenInWidget(std::int64_t index);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  void ShowIndex();
  void ApplyFont();
  std::vector<std::string> rows_;
  std::string initial_value_, font_ = "System";
  std::int64_t index_ = -1, unit_ = 0;
  double size_ = 0;
  bool bold_ = false, italic_ = false, underline_ = false;
};

}  // namespace fw
