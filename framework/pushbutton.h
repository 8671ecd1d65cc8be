// PushButton: a button that raises Action when clicked. The Default button is also pushed by a
// Return or Enter that nothing in its window took, and the Cancel button by such an Escape.
#pragma once

#include <cstdint>
#include <string>

#include "framework/control.h"

namespace fw {

class PushButton : public RectControl {
 public:
  static constexpr const char* kClassName = "PushButton";
  PushButton();
  ~PushButton() override;

  void Constructor() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // 0, the plain push button, is the only style.
  std::int64_t ButtonStyle() const { return button_style_; }
  void SetButtonStyle(std::int64_t style);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v);
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

  // Pushes the button as a click would; an exception from the Action handler reaches the caller.
  void Push();

  // Events: Open ( PushButton ); Action ( PushButton ).
  void _RaiseOpen() override;
  void _RaiseAction();

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  void ApplyFont();
  std::string caption_, font_ = "System";
  std::int64_t button_style_ = 0, unit_ = 0;
  double size_ = 0;
  bool default_ = false, cancel_ = false, bold_ = false, italic_ = false, underline_ = false;
};

}  // namespace fw
