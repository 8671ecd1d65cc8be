#include "framework/conversions.h"
#include "framework/keyboard.h"
#include "grading_window/scorewright.h"

using namespace fw;

namespace {
constexpr std::int64_t kUpArrow = 126;
constexpr std::int64_t kDownArrow = 125;
}  // namespace

void Scorewright::LabBox_Open(Ref<Listbox>) {
  LabBox()->SetHasHeading(true);
  LabBox()->SetHeading(0, "Problem #");
  LabBox()->SetHeading(1, "Graded Points");
  LabBox()->SetHeading(2, "Lost Points");
  LabBox()->SetHeading(3, "Percentage");
  for (std::int64_t r = 0; r < 100; ++r) {
    LabBox()->AddRow(Str(r + 1));
    LabBox()->SetCell(r, 1, "0");
    LabBox()->SetCell(r, 2, "0");
    LabBox()->SetCell(r, 3, "0");
  }
  LabBox()->EditCell(0, 1);
  LabBox()->ActiveCell()->SelectAll();
}

bool Scorewright::LabBox_CellClick(Ref<Listbox>, std::int64_t row, std::int64_t column,
                                   std::int64_t, std::int64_t) {
  if (column != 1) return false;
  LabBox()->SetCellType(row, 1, 3);
  LabBox()->EditCell(row, 1);
  return true;
}

void Scorewright::LabBox_CellTextChange(Ref<Listbox>, std::int64_t, std::int64_t) {
  mainCalcMethod();
}

bool Scorewright::LabBox_CellKeyDown(Ref<Listbox>, std::int64_t row, std::int64_t column,
                                     std::string key) {
  const std::int64_t k = Asc(key);
  const std::int64_t last = LabBox()->ListCount() - 1;
  if ((k == 13 || k == 3) && 0 <= row && row < last) {
    LabBox()->EditCell(row + 1, column);
    LabBox()->ActiveCell()->SelectAll();
    return true;
  }
  if (Keyboard()->AsyncKeyDown(kUpArrow)) {
    if (0 < row && row <= last) {
      LabBox()->EditCell(row - 1, column);
      LabBox()->ActiveCell()->SelectAll();
    }
    return false;
  }
  if (Keyboard()->AsyncKeyDown(kDownArrow)) {
    if (0 <= row && row < last) {
      LabBox()->EditCell(row + 1, column);
      LabBox()->ActiveCell()->SelectAll();
    }
    return false;
  }
  return false;
}

bool Scorewright::LabBox_CellBackgroundPaint(Ref<Listbox>, Ref<Graphics> g, std::int64_t row,
                                             std::int64_t column) {
  const bool even = row % 2 == 0;
  const bool entry_columns = column == 0 || column == 1;
  g->SetForeColor(!even ? RGB(255, 255, 255, 0)
                  : entry_columns ? RGB(238, 243, 254, 0)
                                  : RGB(240, 240, 240, 0));
  g->FillRect(0, 0, static_cast<double>(g->Width()), static_cast<double>(g->Height()));
  g->SetForeColor(RGB(230, 230, 230, 0));
  g->DrawLine(static_cast<double>(g->Width() - 1), 0, static_cast<double>(g->Width() - 1),
              static_cast<double>(g->Height()));
  return false;
}

bool Scorewright::LabBox_SortColumn(Ref<Listbox>, std::int64_t) { return true; }
