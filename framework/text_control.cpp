#include "framework/text_control.h"

#include <QApplication>
#include <QFont>
#include <QWidget>
#include <cmath>

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

QFont TextControl::DesignFont() const {
  QFont font = QApplication::font();
  if (!font_.empty() && font_ != "System") font.setFamily(qt::ToQ(font_));
  // Designs place text in pixel boxes drawn at 72 points to the inch: a point of TextSize is one
  // pixel, so that text fits the box it was designed for on any screen's resolution.
  if (size_ > 0) font.setPixelSize(static_cast<int>(std::lround(size_)));
  font.setBold(bold_);
  font.setItalic(italic_);
  font.setUnderline(underline_);
  return font;
}

void TextControl::ApplyFont() {
  if (auto* w = QtWidget()) w->setFont(DesignFont());
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
