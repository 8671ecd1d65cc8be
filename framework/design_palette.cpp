#include "framework/design_palette.h"

#include <QApplication>
#include <QColor>
#include <QStyle>
#include <cmath>

namespace fw::internal {

namespace {

// The relative luminance of a colour as contrast ratios count it (sRGB, 0 to 1).
double Luminance(const QColor& colour) {
  auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

bool IsDark(const QPalette& palette) {
  return Luminance(palette.color(QPalette::Window)) <
         Luminance(palette.color(QPalette::WindowText));
}

QPalette DesignPalette() {
  const QPalette desktop = QApplication::palette();
  if (!IsDark(desktop)) return QPalette();  // nothing of its own: every role inherited
  QPalette light = QApplication::style()->standardPalette();
  if (IsDark(light)) light = QPalette(QColor(239, 239, 239));
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
      light.setBrush(group, role, desktop.brush(group, role));
    }
  }
  return light;
}

}  // namespace fw::internal
