// PushButton: a button that raises Action when clicked. The Default button is also pushed by a
// Return or Enter that nothing in its window took, and the Cancel button by such an Escape.
//
// Events: Open ( PushButton ); Action ( PushButton ).
#pragma once

#include <cstdint>
#include <string>

#include "framework/text_control.h"

namespace fw {

namespace internal {
class PushButtonWidget;
}  // namespace internal

class PushButton : public TextControl {
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

  // Pushes the button as a click would; an exception from the Action handler reaches the caller.
  void Push();

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  friend class internal::PushButtonWidget;

  void RaiseOpen() override;
  void RaiseAction();

  std::string caption_;
  std::int64_t button_style_ = 0;
  bool default_ = false, cancel_ = false;
};

}  // namespace fw
