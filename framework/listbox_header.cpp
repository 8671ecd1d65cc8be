#include "framework/listbox_header.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeaderV2>

namespace fw::internal {

void ListHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  QStyleOptionHeaderV2 option;
  initStyleOption(&option);
  initStyleOptionForIndex(&option, logicalIndex);
  option.rect = rect;
  // The style draws the text in its label area; a sort indicator beside the text takes its part.
  QRect area = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
  const auto arrow = static_cast<Qt::Alignment>(
      style()->styleHint(QStyle::SH_Header_ArrowAlignment, nullptr, this));
  if (option.sortIndicator != QStyleOptionHeader::None && (arrow & Qt::AlignVCenter)) {
    area.setWidth(area.width() - style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this));
  }
  if (fits_.size() <= static_cast<std::size_t>(logicalIndex)) fits_.resize(logicalIndex + 1);
  if (!option.text.isEmpty() && area.width() > 0) {
    const QFont* smaller = fits_[static_cast<std::size_t>(logicalIndex)].Smaller(
        painter->font(), option.text, area, static_cast<int>(option.textAlignment));
    if (smaller) painter->setFont(*smaller);
  }
  QHeaderView::paintSection(painter, rect, logicalIndex);
}

}  // namespace fw::internal
