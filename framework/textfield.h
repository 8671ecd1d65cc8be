// TextField: a single line of editable text. TextChange follows every change of the text, the
// user's and the program's alike. Handle identifies the field to the platform-call stand-ins
// (objc.h); it is nonzero and unique per field in the run.
//
// Events: Open ( TextField ); TextChange ( TextField ).
#pragma once

#include <cstdint>
#include <string>

#include "framework/text_control.h"

namespace fw {

namespace internal {
class TextFieldWidget;
}  // namespace internal

class TextField : public TextControl {
 public:
  static constexpr const char* kClassName = "TextField";
  TextField();
  ~TextField() override;

  void Constructor() override;

  std::string Text() const { return text_; }
  void SetText(const std::string& text);
  // 0 the default (left), 1 left, 2 centre, 3 right.
  std::int64_t Alignment() const { return alignment_; }
  void SetAlignment(std::int64_t alignment);
  bool Border() const { return border_; }
  void SetBorder(bool v);
  bool UseFocusRing() const { return use_focus_ring_; }
  void SetUseFocusRing(bool v) { use_focus_ring_ = v; }
  Color TextColor() const { return text_color_; }
  void SetTextColor(Color c);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  bool Password() const { return password_; }
  void SetPassword(bool v);
  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& format);
  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& mask);
  const std::string& CueText() const { return cue_text_; }
  void SetCueText(const std::string& text);
  // The most characters the user may enter; 0 for no limit.
  std::int64_t LimitText() const { return limit_text_; }
  void SetLimitText(std::int64_t limit);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v);
  bool AcceptTabs() const { return accept_tabs_; }
  void SetAcceptTabs(bool v);
  bool AutomaticallyCheckSpelling() const { return check_spelling_; }
  void SetAutomaticallyCheckSpelling(bool v) { check_spelling_ = v; }

  std::int64_t Handle() const { return handle_; }

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  friend class internal::TextFieldWidget;
  // Messages to a field arrive by its handle.
  friend std::int64_t objc_msgSend(std::int64_t receiver, std::int64_t selector,
                                   std::int64_t argument);

  // The field with that handle, or null.
  static TextField* FromHandle(std::int64_t handle);
  // 0 the square default, 1 the rounded bezel.
  void SetBezelStyle(std::int64_t style);
  void RaiseOpen() override;
  void RaiseTextChange();
  void TextChangedInWidget(const std::string& text);
  void ApplyLook();
  std::string text_, format_, mask_, cue_text_;
  std::int64_t alignment_ = 0, limit_text_ = 0, bezel_style_ = 0, handle_;
  bool border_ = true, use_focus_ring_ = true, password_ = false, read_only_ = false;
  bool accept_tabs_ = false, check_spelling_ = false;
  Color text_color_{0, 0, 0, 0}, back_color_{255, 255, 255, 0};
};

}  // namespace fw
