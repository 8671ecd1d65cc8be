// The grading arithmetic on its own: the precisions each result is computed and rounded in.
#include "grading_window/score_math.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "framework/conversions.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Halfway between FLT_MAX and 2^128: a tie, which rounds to the even 2^128, an infinity.
constexpr double kHalfwayAboveFltMax = 0x1.ffffffp127;

TEST(ScoreMathTest, ToSingleRoundsToNearestAndOverflowsToInfinity) {
  struct Row {
    const char* name;
    double value;
    float expected;
  };
  const Row rows[] = {
      {"TenthRoundsToTheNearestSingle", 0.1, 0.1f},
      {"TieRoundsToEven", 1.0 + 0x1p-24, 1.0f},
      {"LargePositiveBecomesInfinity", 1e39, INFINITY},
      {"LargeNegativeBecomesMinusInfinity", -1e39, -INFINITY},
      {"JustBelowTheHalfwayPointIsFltMax", std::nextafter(kHalfwayAboveFltMax, 0.0), FLT_MAX},
      {"NegativeJustBelowTheHalfwayPointIsMinusFltMax",
       -std::nextafter(kHalfwayAboveFltMax, 0.0), -FLT_MAX},
      {"TheHalfwayPointItselfIsInfinity", kHalfwayAboveFltMax, INFINITY},
      {"NegativeHalfwayPointIsMinusInfinity", -kHalfwayAboveFltMax, -INFINITY},
      {"InfinityStays", INFINITY, INFINITY},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(score_math::ToSingle(row.value), row.expected);
  }
  EXPECT_TRUE(std::isnan(score_math::ToSingle(kNaN)));
  EXPECT_TRUE(std::signbit(score_math::ToSingle(-0.0))) << "negative zero keeps its sign";
}

TEST(ScoreMathTest, ScoreAndLostSwapWithTheMode) {
  struct Row {
    const char* name;
    std::int64_t mode;
    float score;
    float lost;
  };
  // Total 20, entries summing to 3.5.
  const Row rows[] = {
      {"LostMode", 0, 16.5f, 3.5f},
      {"GainedMode", 1, 3.5f, 16.5f},
      {"NegativeModeGradesGained", -1, 3.5f, 16.5f},
      {"AnyOtherModeGradesGained", 7, 3.5f, 16.5f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const score_math::Result result = score_math::ScoreAndLost(20.0f, 3.5f, row.mode);
    EXPECT_EQ(result.score, row.score);
    EXPECT_EQ(result.lost, row.lost);
  }
  // The difference is a Single: 16 - 0.1f is 15.9f, not the Double 15.9.
  EXPECT_EQ(score_math::ScoreAndLost(16.0f, 0.1f, 0).score, 15.9f);
}

TEST(ScoreMathTest, PercentageIsTheDoubleQuotientRoundedToSingle) {
  // 100 * 15.9f / 16 is 99.374997...; its nearest Single is 99.375, which formats as 99.38.
  EXPECT_EQ(score_math::Percentage(15.9f, 16.0f), 99.375f);
  EXPECT_EQ(fw::Format(static_cast<double>(score_math::Percentage(15.9f, 16.0f)), "-#.00"), "99.38");
  EXPECT_EQ(score_math::Percentage(9.25f, 10.5f), 88.0952377f);
  // In Single throughout these come out just below the half and format one hundredth lower:
  // 90.87 and 12.37.
  EXPECT_EQ(score_math::Percentage(80.0f - 7.3f, 80.0f), 90.875f);
  EXPECT_EQ(fw::Format(static_cast<double>(score_math::Percentage(80.0f - 7.3f, 80.0f)), "-#.00"),
            "90.88");
  EXPECT_EQ(score_math::Percentage(9.9f, 80.0f), 12.375f);
  EXPECT_EQ(score_math::Percentage(5.0f, 0.0f), INFINITY);
  EXPECT_EQ(score_math::Percentage(-5.0f, 0.0f), -INFINITY);
  EXPECT_TRUE(std::isnan(score_math::Percentage(0.0f, 0.0f)));
  EXPECT_EQ(score_math::Percentage(FLT_MAX, FLT_MIN), INFINITY) << "beyond the Single range";
}

TEST(ScoreMathTest, RowInRangeWhileTheRowIsNotAboveTheTotal) {
  struct Row {
    const char* name;
    float total;
    std::int64_t row;
    bool in_range;
  };
  const Row rows[] = {
      {"RowEqualToTheTotal", 20.0f, 20, true},
      {"RowAboveTheTotal", 20.0f, 21, false},
      {"FractionalTotalKeepsTheRowBelow", 20.5f, 20, true},
      {"FractionalTotalDropsTheRowAbove", 20.5f, 21, false},
      {"ZeroTotalKeepsRowZero", 0.0f, 0, true},
      {"NegativeTotalShowsNoRow", -0.5f, 0, false},
      {"NaNTotalShowsNoRow", std::numeric_limits<float>::quiet_NaN(), 0, false},
      {"InfiniteTotalShowsTheLastRow", INFINITY, 99, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(score_math::RowInRange(row.total, row.row), row.in_range);
  }
}

TEST(ScoreMathTest, GradeScaleIsComputedInDoubleFromTheSingleTotal) {
  // 10.1f is 10.100000381469727: the scale shows that value, not the Double 10.1.
  EXPECT_EQ(score_math::GainedScalePoints(10.1f, 10), 0.100000381469726562);
  EXPECT_EQ(fw::Str(score_math::GainedScalePoints(10.1f, 10)), "0.1000004");
  EXPECT_DOUBLE_EQ(score_math::ScalePercentage(10.1f, 1), 90.09901027494335);
  EXPECT_NE(score_math::ScalePercentage(10.1f, 1), 100.0 * (10.1 - 1) / 10.1);
  EXPECT_EQ(score_math::ScalePercentage(10.1f, 0), 100.0);
  EXPECT_EQ(score_math::ScalePercentage(16.0f, 16), 0.0);
  EXPECT_TRUE(std::isnan(score_math::ScalePercentage(0.0f, 0)));
}

}  // namespace
