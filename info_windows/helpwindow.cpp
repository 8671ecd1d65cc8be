#include "info_windows/helpwindow.h"

#include "framework/runtime.h"

using namespace fw;

namespace {

ClassDescription DescribeHelpWindow() {
  using W = class helpWindow;
  return {"helpWindow",
          "helpWindow.helpWindow",
          {{"Layout", [](Object& w) { static_cast<W&>(w).Layout(); }},
           {"CreateControls", [](Object& w) { static_cast<W&>(w).CreateControls(); }}}};
}

const bool registered = RegisterProgramClass({typeid(class helpWindow), &DescribeHelpWindow});

}  // namespace

void helpWindow::Layout() {
  _SetProperties(SelfRef(this), {{"Width", 444},
                                 {"Height", 218},
                                 {"MinWidth", 64},
                                 {"MinHeight", 64},
                                 {"MaxWidth", 32000},
                                 {"MaxHeight", 32000},
                                 {"Frame", 0},
                                 {"Title", "Help Window"},
                                 {"CloseButton", true},
                                 {"Resizeable", false},
                                 {"MaximizeButton", false},
                                 {"MinimizeButton", false},
                                 {"FullScreenButton", false},
                                 {"Composite", false},
                                 {"MacProcId", 0},
                                 {"FullScreen", false},
                                 {"LiveResize", true},
                                 {"Placement", 0},
                                 {"Visible", true},
                                 {"HasBackColor", false},
                                 {"BackColor", RGB(255, 255, 255)},
                                 {"MenuBarVisible", true}});
}

void helpWindow::CreateControls() { _CreateControls0(); }

void helpWindow::_CreateControls0() {
  auto label = [this](const char* name, std::int64_t top, std::int64_t height,
                      std::int64_t tab_index, bool heading, const char* text) {
    CreateControl<Label>(name, {{"Left", 13}, {"Top", top}, {"Width", 418}, {"Height", height},
                                {"TabIndex", tab_index}, {"Bold", heading},
                                {"TextSize", heading ? 18 : 0}, {"MultiLine", !heading},
                                {"Text", text}, {"TextAlign", 0}, {"TextFont", "System"},
                                {"TextColor", RGB(0, 0, 0)}, {"Selectable", false}});
  };
  label("Label1", 8, 21, 0, true, "Select how you grade");
  label("Label2", 35, 57, 1, false,
        "By default, the app is set to remove points from the total score. So as you grade the "
        "score gets lower and lower, but you can always change it to gaining points via the menu "
        "on the right.");
  label("Label3", 104, 21, 2, true, "Enter the points lost or gained");
  label("Label4", 135, 81, 3, false,
        "As you grade papers you can enter the points gained or lost per question in the second "
        "column named \"Graded Points\". To go to the next row you can either click it or more "
        "efficiently you can use the return and arrow keys for naviation and \xEF\xA3\xBF-R to "
        "reset.");
}

Ref<Label> helpWindow::Label1() { return CheckedCast<Label>(_ControlByName("Label1")); }
Ref<Label> helpWindow::Label2() { return CheckedCast<Label>(_ControlByName("Label2")); }
Ref<Label> helpWindow::Label3() { return CheckedCast<Label>(_ControlByName("Label3")); }
Ref<Label> helpWindow::Label4() { return CheckedCast<Label>(_ControlByName("Label4")); }

Ref<class helpWindow> helpWindow() {
  return ImplicitInstance<class helpWindow>("helpWindow.helpWindow");
}
