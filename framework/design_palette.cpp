#include "framework/design_palette.h"

#include <QApplication>
#include <QColor>
#include <QRgb>
#include <QStyle>

namespace fw::internal {

// Compares the integer luma (11 red, 16 green, 5 blue in 32nds) of ground and text. Unlike HSL
// lightness, which rates pure blue and yellow alike, it weighs the colours much as the eye does.
bool IsDark(const QPalette& palette) {
  return qGray(palette.color(QPalette::Window).rgb()) <
         qGray(palette.color(QPalette::WindowText).rgb());
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
