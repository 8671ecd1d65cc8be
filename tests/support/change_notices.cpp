#include "tests/support/change_notices.h"

#include <QModelIndex>
#include <QSignalSpy>

namespace sw_test {

bool Announced(const QSignalSpy& changed, int row, int column) {
  for (const QList<QVariant>& notice : changed) {
    const auto top_left = notice.at(0).value<QModelIndex>();
    const auto bottom_right = notice.at(1).value<QModelIndex>();
    if (top_left.row() <= row && row <= bottom_right.row() && top_left.column() <= column &&
        column <= bottom_right.column()) {
      return true;
    }
  }
  return false;
}

}  // namespace sw_test
