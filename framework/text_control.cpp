#include "framework/text_control.h"

#include <QWidget>

#include "framework/qt_support.h"

namespace fw {

TextControl::TextControl() {
  RegisterProperty("TextFont", &TextControl::TextFont, &TextControl::SetTextFont);
  RegisterProperty("TextSize", &TextControl::TextSize, &TextControl::SetTextSize);
  RegisterProperty("TextUnit", &TextControl::TextUnit, &TextControl::SetTextUnit);
  RegisterProperty("Bold", &TextControl::Bold, &TextControl::SetBold);
  RegisterProperty("Italic", &TextControl::Italic, &TextControl::SetItalic);
  RegisterProperty("Underline", &TextControl::Underline, &TextControl::SetUnderline);
}

void TextControl::ApplyFont() {
  if (auto* w = QtWidget()) w->setFont(qt::DesignFont(font_, size_, bold_, italic_, underline_));
}

void TextControl::SetTextFont(const std::string& font) {
  CheckUIThread();
  font_ = font;
  ApplyFont();
}

void TextControl::SetTextSize(double size) {
  CheckUIThread();
  if (size < 0)
    throw OutOfBoundsException(ClassName() + ".TextSize " + std::to_string(size) + " is negative");
  size_ = size;
  ApplyFont();
}

void TextControl::SetTextUnit(std::int64_t unit) {
  if (unit != 0) {
    throw UnsupportedOperationException(ClassName() + ".TextUnit " + std::to_string(unit) +
                                        " is not supported; 0 (the default unit) is");
  }
  unit_ = unit;
}

void TextControl::SetBold(bool v) {
  CheckUIThread();
  bold_ = v;
  ApplyFont();
}

void TextControl::SetItalic(bool v) {
  CheckUIThread();
  italic_ = v;
  ApplyFont();
}

void TextControl::SetUnderline(bool v) {
  CheckUIThread();
  underline_ = v;
  ApplyFont();
}

}  // namespace fw
