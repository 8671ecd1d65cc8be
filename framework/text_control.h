// A control that shows its text in one font. TextFont "System" is the desktop's default face and
// TextSize 0 its default size; any other size counts pixels of the design (see DesignFont).
#pragma once

#include <cstdint>
#include <string>

#include "framework/control.h"

class QFont;

namespace fw {

class TextControl : public RectControl {
 public:
  TextControl();

  const std::string& TextFont() const { return font_; }
  void SetTextFont(const std::string& font);
  double TextSize() const { return size_; }
  void SetTextSize(double size);
  std::int64_t TextUnit() const { return unit_; }
  void SetTextUnit(std::int64_t unit);  // only 0, the default unit
  bool Bold() const { return bold_; }
  void SetBold(bool v);
  bool Italic() const { return italic_; }
  void SetItalic(bool v);
  bool Underline() const { return underline_; }
  void SetUnderline(bool v);

 protected:
  // The font of the design's TextFont, TextSize, Bold, Italic and Underline: "System" (or empty)
  // is the desktop's default face, size 0 its default size, any other size that many pixels.
  QFont DesignFont() const;
  // Gives the widget the font; a control that sizes itself by its font does more.
  virtual void ApplyFont();

 private:
  std::string font_ = "System";
  double size_ = 0;
  std::int64_t unit_ = 0;
  bool bold_ = false, italic_ = false, underline_ = false;
};

}  // namespace fw
