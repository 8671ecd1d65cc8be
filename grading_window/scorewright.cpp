#include "grading_window/scorewright.h"

#include "framework/runtime.h"

using namespace fw;

namespace {

ClassDescription DescribeScorewright() {
  using W = class Scorewright;
  return {"Scorewright",
          "Scorewright.Scorewright",
          {{"Layout", [](Object& w) { static_cast<W&>(w).Layout(); }},
           {"CreateControls", [](Object& w) { static_cast<W&>(w).CreateControls(); }},
           {"AddMenuHandlers",
            [](Object& w) { static_cast<W&>(w).AddMenuHandlers(SelfRef(&static_cast<W&>(w))); }},
           {"Close", [](Object& w) { static_cast<W&>(w).Event_Close(); }}}};
}

const bool registered = RegisterProgramClass({typeid(class Scorewright), &DescribeScorewright});

}  // namespace

void Scorewright::Layout() {
  _SetProperties(SelfRef(this), {{"Width", 780},
                                 {"Height", 400},
                                 {"MinWidth", 780},
                                 {"MinHeight", 400},
                                 {"MaxWidth", 32000},
                                 {"MaxHeight", 32000},
                                 {"Frame", 0},
                                 {"Title", "Scorewright"},
                                 {"CloseButton", true},
                                 {"MinimizeButton", true},
                                 {"MaximizeButton", true},
                                 {"FullScreenButton", true},
                                 {"Resizeable", true},
                                 {"LiveResize", true},
                                 {"FullScreen", false},
                                 {"Placement", 0},
                                 {"Visible", true},
                                 {"HasBackColor", false},
                                 {"BackColor", RGB(255, 255, 255)},
                                 {"MenuBarVisible", true},
                                 {"Composite", false},
                                 {"MacProcId", 0}});
}

void Scorewright::CreateControls() { _CreateControls0(); }

void Scorewright::_CreateControls0() {
  using W = class Scorewright;
  const Color caption_white = RGB(255, 254, 254);
  const Color bar_grey = RGB(102, 102, 102);

  CreateControl<Listbox>(
      "LabBox",
      {{"Left", 0}, {"Top", 23}, {"Width", 501}, {"Height", 377},
       {"LockLeft", true}, {"LockTop", true}, {"LockRight", false}, {"LockBottom", true},
       {"TabIndex", 0}, {"TabStop", true}, {"Enabled", true}, {"Visible", true},
       {"ColumnCount", 4}, {"ColumnWidths", ""}, {"HasHeading", false}, {"InitialValue", ""},
       {"Border", true}, {"ScrollBarVertical", true}, {"ScrollBarHorizontal", false},
       {"AutoHideScrollbars", true}, {"DefaultRowHeight", -1}, {"GridLinesHorizontal", 0},
       {"GridLinesVertical", 0}, {"UseFocusRing", false}, {"SelectionType", 0},
       {"RequiresSelection", false}, {"ColumnsResizable", false}, {"EnableDrag", false},
       {"EnableDragReorder", false}, {"DropIndicatorVisible", false}, {"Hierarchical", false},
       {"HeadingIndex", -1}, {"TextFont", "System"}, {"TextSize", 0}, {"Bold", false},
       {"AccessibleName", "Score table"}},
      {{"Open", Bind(this, &W::LabBox_Open)},
       {"CellBackgroundPaint", Bind(this, &W::LabBox_CellBackgroundPaint)},
       {"CellClick", Bind(this, &W::LabBox_CellClick)},
       {"CellTextChange", Bind(this, &W::LabBox_CellTextChange)},
       {"CellKeyDown", Bind(this, &W::LabBox_CellKeyDown)},
       {"SortColumn", Bind(this, &W::LabBox_SortColumn)}});

  CreateControl<fw::Rectangle>(
      "Rectangle1", {{"Left", 0}, {"Top", -2}, {"Width", 501}, {"Height", 25}, {"TabIndex", 6},
                     {"FillColor", RGB(7, 63, 128)}, {"BorderWidth", 0},
                     {"TopLeftColor", RGB(0, 0, 0)}, {"BottomRightColor", RGB(0, 0, 0)}});

  CreateControl<Label>(
      "ExplanationLabel",
      {{"Left", 8}, {"Top", 0}, {"Width", 461}, {"Height", 20}, {"TabIndex", 0},
       {"InitialParent", "Rectangle1"},
       {"Text", "Enter lost points per question into the second column as you grade"},
       {"TextColor", caption_white}, {"TextFont", "System"}, {"TextSize", 0}, {"Bold", true},
       {"TextAlign", 0}, {"MultiLine", false}, {"Selectable", false}});

  CreateControl<TextField>(
      "totalPoints",
      {{"Left", 643}, {"Top", 69}, {"Width", 117}, {"Height", 25}, {"TabIndex", 7},
       {"TabStop", true}, {"Text", "100"}, {"Alignment", 2}, {"Border", true},
       {"UseFocusRing", true}, {"TextColor", RGB(0, 0, 0)}, {"BackColor", RGB(255, 255, 255)},
       {"Password", false}, {"Format", ""}, {"Mask", ""}, {"CueText", ""}, {"LimitText", 0},
       {"ReadOnly", false}, {"AcceptTabs", false}, {"AutomaticallyCheckSpelling", false},
       {"TextFont", "System"}, {"TextSize", 0}},
      {{"Open", Bind(this, &W::totalPoints_Open)},
       {"TextChange", Bind(this, &W::totalPoints_TextChange)}});

  CreateControl<Label>(
      "percentageLabel",
      {{"Left", 511}, {"Top", 165}, {"Width", 249}, {"Height", 59}, {"TabIndex", 12},
       {"Text", "100%"}, {"TextColor", RGB(16, 127, 64)}, {"TextFont", "System"},
       {"TextSize", 42}, {"Bold", false}, {"TextAlign", 0}, {"MultiLine", false}});

  CreateControl<fw::Rectangle>(
      "Rectangle3", {{"Left", 500}, {"Top", 144}, {"Width", 280}, {"Height", 25},
                     {"LockRight", true}, {"TabIndex", 13}, {"FillColor", bar_grey},
                     {"BorderWidth", 0}});

  CreateControl<Label>(
      "Label6", {{"Left", 513}, {"Top", 142}, {"Width", 176}, {"Height", 27}, {"TabIndex", 14},
                 {"Text", "Percentage"}, {"TextColor", caption_white}, {"TextFont", "System"},
                 {"TextSize", 0}, {"Bold", true}, {"TextAlign", 0},
                 {"LabelFor", "percentageLabel"}});

  CreateControl<fw::Rectangle>(
      "Rectangle4", {{"Left", 500}, {"Top", 313}, {"Width", 280}, {"Height", 25},
                     {"LockRight", true}, {"TabIndex", 16}, {"FillColor", bar_grey},
                     {"BorderWidth", 0}});

  CreateControl<Label>(
      "Label8", {{"Left", 513}, {"Top", 311}, {"Width", 176}, {"Height", 27}, {"TabIndex", 17},
                 {"Text", "Points"}, {"TextColor", caption_white}, {"TextFont", "System"},
                 {"TextSize", 0}, {"Bold", true}, {"TextAlign", 0}, {"LabelFor", "pointsLabel"}});

  CreateControl<Label>(
      "pointsLabel",
      {{"Left", 511}, {"Top", 342}, {"Width", 247}, {"Height", 49}, {"TabIndex", 18},
       {"Text", "97/100"}, {"TextColor", RGB(0, 0, 0)}, {"TextFont", "System"}, {"TextSize", 42},
       {"Bold", false}, {"TextAlign", 0}});

  CreateControl<PushButton>(
      "resetButton",
      {{"Left", 513}, {"Top", 106}, {"Width", 247}, {"Height", 20}, {"TabIndex", 19},
       {"TabStop", true}, {"Caption", "Reset for next student"}, {"ButtonStyle", 0},
       {"Default", false}, {"Cancel", false}, {"TextFont", "System"}, {"TextSize", 0}},
      {{"Action", Bind(this, &W::resetButton_Action)}});

  CreateControl<Label>(
      "Label10", {{"Left", 528}, {"Top", 4}, {"Width", 224}, {"Height", 20}, {"TabIndex", 20},
                  {"Text", "Percentage"}, {"TextColor", RGB(0, 0, 0)}, {"TextFont", "System"},
                  {"TextSize", 16}, {"Bold", false}, {"TextAlign", 0}});

  CreateControl<fw::Rectangle>(
      "Rectangle5", {{"Left", 500}, {"Top", -2}, {"Width", 280}, {"Height", 25},
                     {"LockRight", true}, {"TabIndex", 21}, {"FillColor", RGB(16, 127, 128)},
                     {"BorderWidth", 0}});

  CreateControl<Label>(
      "Label11", {{"Left", 513}, {"Top", 0}, {"Width", 247}, {"Height", 20}, {"TabIndex", 0},
                  {"InitialParent", "Rectangle5"}, {"Text", "Grading  Calculations"},
                  {"TextColor", caption_white}, {"TextFont", "System"}, {"TextSize", 0},
                  {"Bold", true}, {"TextAlign", 0}});

  CreateControl<PopupMenu>(
      "gradingTypePop",
      {{"Left", 513}, {"Top", 35}, {"Width", 245}, {"Height", 20}, {"TabIndex", 23},
       {"TabStop", true}, {"InitialValue", ""}, {"ListIndex", 0}, {"TextFont", "System"},
       {"TextSize", 0}},
      {{"Open", Bind(this, &W::gradingTypePop_Open)},
       {"Change", Bind(this, &W::gradingTypePop_Change)}});

  CreateControl<Label>(
      "Label12", {{"Left", 513}, {"Top", 67}, {"Width", 122}, {"Height", 27}, {"TabIndex", 24},
                  {"Text", "Assignment Points:"}, {"TextColor", RGB(0, 0, 0)},
                  {"TextFont", "System"}, {"TextSize", 0}, {"Bold", false}, {"TextAlign", 0},
                  {"LabelFor", "totalPoints"}});

  CreateControl<fw::Rectangle>(
      "Rectangle6", {{"Left", 500}, {"Top", 226}, {"Width", 280}, {"Height", 25},
                     {"LockRight", true}, {"TabIndex", 25}, {"FillColor", bar_grey},
                     {"BorderWidth", 0}});

  CreateControl<Label>(
      "Label13", {{"Left", 513}, {"Top", 224}, {"Width", 176}, {"Height", 27}, {"TabIndex", 26},
                  {"Text", "Points Lost"}, {"TextColor", caption_white}, {"TextFont", "System"},
                  {"TextSize", 0}, {"Bold", true}, {"TextAlign", 0}, {"LabelFor", "lostLabel"}});

  CreateControl<Label>(
      "lostLabel", {{"Left", 513}, {"Top", 254}, {"Width", 247}, {"Height", 49}, {"TabIndex", 27},
                    {"Text", "5"}, {"TextColor", RGB(251, 1, 6)}, {"TextFont", "System"},
                    {"TextSize", 42}, {"Bold", false}, {"TextAlign", 0}});
}

Ref<Listbox> Scorewright::LabBox() { return Control<Listbox>("LabBox"); }
Ref<TextField> Scorewright::totalPoints() { return Control<TextField>("totalPoints"); }
Ref<fw::Rectangle> Scorewright::Rectangle1() { return Control<fw::Rectangle>("Rectangle1"); }
Ref<Label> Scorewright::ExplanationLabel() { return Control<Label>("ExplanationLabel"); }
Ref<Label> Scorewright::percentageLabel() { return Control<Label>("percentageLabel"); }
Ref<fw::Rectangle> Scorewright::Rectangle3() { return Control<fw::Rectangle>("Rectangle3"); }
Ref<Label> Scorewright::Label6() { return Control<Label>("Label6"); }
Ref<fw::Rectangle> Scorewright::Rectangle4() { return Control<fw::Rectangle>("Rectangle4"); }
Ref<Label> Scorewright::Label8() { return Control<Label>("Label8"); }
Ref<Label> Scorewright::pointsLabel() { return Control<Label>("pointsLabel"); }
Ref<PushButton> Scorewright::resetButton() { return Control<PushButton>("resetButton"); }
Ref<Label> Scorewright::Label10() { return Control<Label>("Label10"); }
Ref<fw::Rectangle> Scorewright::Rectangle5() { return Control<fw::Rectangle>("Rectangle5"); }
Ref<Label> Scorewright::Label11() { return Control<Label>("Label11"); }
Ref<PopupMenu> Scorewright::gradingTypePop() { return Control<PopupMenu>("gradingTypePop"); }
Ref<Label> Scorewright::Label12() { return Control<Label>("Label12"); }
Ref<fw::Rectangle> Scorewright::Rectangle6() { return Control<fw::Rectangle>("Rectangle6"); }
Ref<Label> Scorewright::Label13() { return Control<Label>("Label13"); }
Ref<Label> Scorewright::lostLabel() { return Control<Label>("lostLabel"); }

void Scorewright::Event_Close() { Quit(0); }

Ref<class Scorewright> Scorewright() {
  return ImplicitInstance<class Scorewright>("Scorewright.Scorewright");
}
