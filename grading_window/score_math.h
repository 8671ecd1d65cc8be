// The arithmetic of the grading window's calculation, apart from any control, in the precisions
// the results depend on: a Single (float) total, entries and sum; a percentage computed in Double
// and rounded to Single; a grade scale computed in Double from the Single total.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace score_math {

// Rounds a Double to the nearest Single (ties to even); beyond the largest Single the result is
// an infinity of the value's sign, as IEEE 754 rounding gives.
inline float ToSingle(double value) {
  constexpr double kOverflow = 0x1.ffffffp127;  // halfway between FLT_MAX and 2^128
  if (std::fabs(value) >= kOverflow) return std::signbit(value) ? -INFINITY : INFINITY;
  return static_cast<float>(value);
}

struct Result {
  float score;
  float lost;
};

// Lost mode (mode 0): the entries are points lost; any other mode: points gained.
inline Result ScoreAndLost(float total, float sum, std::int64_t mode) {
  const float rest = total - sum;
  return mode == 0 ? Result{rest, sum} : Result{sum, rest};
}

inline float Percentage(float score, float total) {
  return ToSingle((100.0 * static_cast<double>(score)) / static_cast<double>(total));
}

// Row r of the grade scale is shown while r is not above the total; a NaN total shows none.
inline bool RowInRange(float total, std::int64_t row) {
  return static_cast<double>(total) >= static_cast<double>(row);
}

inline double GainedScalePoints(float total, std::int64_t row) {
  return static_cast<double>(total) - static_cast<double>(row);
}

inline double ScalePercentage(float total, std::int64_t row) {
  const double t = static_cast<double>(total);
  return (100.0 * (t - static_cast<double>(row))) / t;
}

}  // namespace score_math
