#include "framework/objc.h"
#include "grading_window/scorewright.h"

using namespace fw;

void Scorewright::totalPoints_Open(Ref<TextField> me) {
  const std::int64_t selector = sel_registerName("setBezelStyle:");
  const std::int64_t handle = me->Handle();
  objc_msgSend(handle, selector, 1);
}

void Scorewright::totalPoints_TextChange(Ref<TextField>) { mainCalcMethod(); }

void Scorewright::gradingTypePop_Open(Ref<PopupMenu>) {
  gradingTypePop()->AddRow("Grade as lost points");
  gradingTypePop()->AddRow("Grade as gained points");
  gradingTypePop()->SetListIndex(0);
}

void Scorewright::gradingTypePop_Change(Ref<PopupMenu>) {
  if (gradingTypePop()->ListIndex() == 0) {
    ExplanationLabel()->SetText(
        "Enter lost points per question into the second column as you grade");
    LabBox()->SetHeading(2, "Points Incorrect");
  } else {
    ExplanationLabel()->SetText(
        "Enter gained points per question into the second column as you grade");
    LabBox()->SetHeading(2, "Points Correct");
  }
  mainCalcMethod();
}

void Scorewright::resetButton_Action(Ref<PushButton>) {
  LabBox()->EditCell(99, 1);
  for (std::int64_t r = 0; r <= 99; ++r) LabBox()->SetCell(r, 1, "0");
  LabBox()->EditCell(0, 1);
  mainCalcMethod();
}

void Scorewright::AddMenuHandlers(Ref<Window> window) {
  window->_AddMenuHandler("ResetResetfornextstudent",
                          [this] { return _ResetResetfornextstudent_Action(); });
}

bool Scorewright::_ResetResetfornextstudent_Action() {
  resetButton()->Push();
  return true;
}
