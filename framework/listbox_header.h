// The heading of a Listbox's table view, for the Listbox's own files.
#pragma once

#include <QHeaderView>
#include <vector>

#include "framework/text_fit.h"

namespace fw::internal {

// Column headings that show their whole text: a heading too long for its column under the
// desktop's font is drawn in a smaller size of that font, as a label's text is.
class ListHeader : public QHeaderView {
 public:
  explicit ListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  mutable std::vector<TextFit> fits_;  // by column
};

}  // namespace fw::internal
