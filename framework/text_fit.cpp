#include "framework/text_fit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRectF>

namespace fw::internal {

namespace {

bool Fits(const QFont& font, const QString& text, const QRectF& box, int flags) {
  return box.contains(QFontMetricsF(font).boundingRect(box, flags, text));
}

}  // namespace

const QFont* TextFit::Smaller(const QFont& font, const QString& text, const QRect& box, int flags) {
  if (known_ && box.size() == box_ && flags == flags_ && text == text_ && font == font_) {
    return shrunk_ ? &smaller_ : nullptr;
  }
  text_ = text;
  box_ = box.size();
  flags_ = flags;
  font_ = font;
  known_ = true;
  const QRectF area(QPointF(0, 0), QSizeF(box_));
  shrunk_ = !Fits(font, text, area, flags);
  if (shrunk_) {
    // Halves the range between a size that fits (1 pixel stands for "none does") and one that
    // does not until they meet.
    smaller_ = font;
    int fits = 1, too_large = QFontInfo(font).pixelSize();
    while (too_large - fits > 1) {
      const int middle = (fits + too_large) / 2;
      smaller_.setPixelSize(middle);
      (Fits(smaller_, text, area, flags) ? fits : too_large) = middle;
    }
    smaller_.setPixelSize(fits);
  }
  return shrunk_ ? &smaller_ : nullptr;
}

}  // namespace fw::internal
