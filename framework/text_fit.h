// Text that shows whole in its box, for the framework's own files. The designs' boxes were drawn
// for a system font of about 13 pixels; under a larger desktop font a text whose lines would not
// fit its box is drawn in a smaller pixel size of its font, the largest in which they do.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace fw::internal {

class TextFit {
 public:
  // The smaller font to draw text in within box, with QPainter::drawText's flags (alignment,
  // Qt::TextWordWrap); nil when the lines fit in font itself. Trying sizes costs a font for each
  // size tried: the answer is kept for the last text, box, flags and font, so that painting the
  // same text again costs a comparison.
  const QFont* Smaller(const QFont& font, const QString& text, const QRect& box, int flags);

 private:
  QString text_;
  QSize box_;
  int flags_ = 0;
  QFont font_;
  bool known_ = false, shrunk_ = false;
  QFont smaller_;
};

}  // namespace fw::internal
