#include "framework/column_widths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace fw::internal {
namespace {

TEST(ColumnWidthsTest, EachEntryGivesItsColumnAWidth) {
  struct Row {
    const char* name;
    std::string_view text;
    int columns;
    int total;
    std::vector<int> expected;
  };
  const Row rows[] = {
      {"EmptyTextGivesEqualWidthsThatFillTheTotal", "", 4, 400, {100, 100, 100, 100}},
      {"EmptyTextRoundsYetFillsTheTotal", "", 3, 100, {33, 34, 33}},
      {"Pixels", "80,120", 2, 500, {80, 120}},
      {"PixelsWiderThanTheTotalAreKept", "300,300", 2, 400, {300, 300}},
      {"FractionalPixelsRoundToTheNearest", "80.4,80.6", 2, 400, {80, 81}},
      {"PercentagesOfTheTotal", "25%,75%", 2, 400, {100, 300}},
      {"PercentagesRoundHalfAwayFromZero", "33.3%,50%", 2, 301, {100, 151}},
      {"StarsShareWhatThePixelsLeave", "100,*,*", 3, 400, {100, 150, 150}},
      {"WeightedStarsShareInProportion", "100,*,2*", 3, 400, {100, 100, 200}},
      {"FractionalWeights", "0.5*,1.5*", 2, 200, {50, 150}},
      {"SharesRoundYetFillTheTotalExactly", "*,*,*,*,*,*,*", 7, 100, {14, 15, 14, 14, 14, 15, 14}},
      {"PixelsPercentagesAndShares", "50,25%,*,2*", 4, 400, {50, 100, 83, 167}},
      {"BlanksInsideEntriesDoNotCount", "\t80 , 2 5 % , * ", 3, 405, {80, 101, 224}},
      {"EmptyEntriesTakeAShare", "80,,", 3, 280, {80, 100, 100}},
      {"BlankEntryTakesAShare", "80, ,2*", 3, 380, {80, 100, 200}},
      {"EntriesBeyondTheLastColumnAreIgnored", "10,20,30,40", 2, 400, {10, 20}},
      {"MissingEntriesTakeAShare", "100", 3, 300, {100, 100, 100}},
      {"NothingLeftGivesSharesNothing", "300,200,*", 3, 400, {300, 200, 0}},
      {"ZeroWeightsTakeNothing", "0*,0*", 2, 200, {0, 0}},
      {"NoColumns", "80,*", 0, 400, {}},
      {"NegativePixelsCountAsZero", "-40,*", 2, 200, {0, 200}},
      {"NegativePercentageCountsAsZero", "-10%,*", 2, 200, {0, 200}},
      {"NegativeWeightTakesNoShare", "-2*,*", 2, 200, {0, 200}},
      {"TextWithoutANumberCountsAsZeroPixels", "wide,*", 2, 200, {0, 200}},
      {"WeightWithoutANumberTakesNoShare", "x*,*", 2, 200, {0, 200}},
      {"PercentageWithoutANumberCountsAsZero", "%,*", 2, 200, {0, 200}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ColumnWidthsFor(row.text, row.columns, row.total), row.expected);
  }
}

// Equal shares at any width and any number of columns: the widths add up to the total, and no two
// differ by more than a pixel.
TEST(ColumnWidthsTest, EqualSharesFillEveryTotalExactly) {
  for (int columns = 1; columns <= 12; ++columns) {
    for (int total = 0; total <= 1000; ++total) {
      const std::vector<int> widths = ColumnWidthsFor("", columns, total);
      ASSERT_EQ(widths.size(), static_cast<std::size_t>(columns));
      ASSERT_EQ(std::accumulate(widths.begin(), widths.end(), 0), total)
          << columns << " columns, total " << total;
      const auto [narrowest, widest] = std::minmax_element(widths.begin(), widths.end());
      ASSERT_LE(*widest - *narrowest, 1) << columns << " columns, total " << total;
    }
  }
}

}  // namespace
}  // namespace fw::internal
