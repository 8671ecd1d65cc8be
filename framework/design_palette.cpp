#include "framework/design_palette.h"

#include <QApplication>
#include <QColor>
#include <QStyle>

namespace fw::internal {

// Lightness tells a dark scheme from a light one as well as luminance does, and spares every
// launch the floating-point library's power function.
bool IsDark(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() <
         palette.color(QPalette::WindowText).lightness();
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
