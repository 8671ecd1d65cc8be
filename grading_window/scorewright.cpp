#include "grading_window/scorewright.h"

#include "framework/runtime.h"

using namespace fw;

namespace {

ClassDescription DescribeScorewright() {
  return {"Scorewright",
          "Scorewright.Scorewright",
          "Window",
          {},
          {"Layout", "CreateControls", "_CreateControls0", "Event_Close"},
          {{"Layout", [](Object& w) { static_cast<class Scorewright&>(w).Layout(); }},
           {"CreateControls", [](Object& w) { static_cast<class Scorewright&>(w).CreateControls(); }},
           {"Close", [](Object& w) { static_cast<class Scorewright&>(w).Event_Close(); }}}};
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

void Scorewright::_CreateControls0() {}

void Scorewright::Event_Close() { Quit(0); }

Ref<class Scorewright> Scorewright() {
  return ImplicitInstance<class Scorewright>("Scorewright.Scorewright");
}
