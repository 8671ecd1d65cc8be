#include "framework/conversions.h"
#include "grading_window/score_math.h"
#include "grading_window/scorewright.h"

using namespace fw;
using score_math::ToSingle;

void Scorewright::mainCalcMethod() {
  const float total = ToSingle(Val(totalPoints()->Text()));

  float sum = 0;
  for (std::int64_t r = 0; r <= 99; ++r) sum = sum + ToSingle(Val(LabBox()->Cell(r, 1)));

  const auto [score, lost] = score_math::ScoreAndLost(total, sum, gradingTypePop()->ListIndex());
  const float percentage = score_math::Percentage(score, total);

  percentageLabel()->SetText(Format(static_cast<double>(percentage), "-#.00") + "%");
  pointsLabel()->SetText(Str(score) + "/" + Str(total));
  lostLabel()->SetText(Str(lost));

  for (std::int64_t r = 0; r <= 99; ++r) {
    const bool lost_mode = gradingTypePop()->ListIndex() == 0;
    if (score_math::RowInRange(total, r)) {
      LabBox()->SetCell(r, 2, lost_mode ? Str(r) : Str(score_math::GainedScalePoints(total, r)));
      LabBox()->SetCell(r, 3, Format(score_math::ScalePercentage(total, r), "-#.00") + "%");
    } else {
      LabBox()->SetCell(r, 2, "");
      LabBox()->SetCell(r, 3, "");
    }
  }
}
