#include "info_windows/aboutwindow.h"

#include "app/app.h"
#include "app/icon.h"
#include "framework/desktop.h"
#include "framework/runtime.h"

using namespace fw;

const char* const kCopyrightNotice =
    "\u00A9 2019 Tallywright Software\nAll rights reserved.";

namespace {

ClassDescription DescribeAboutWindow() {
  using W = class aboutwindow;
  return {"aboutwindow",
          "aboutwindow.aboutwindow",
          {{"Layout", [](Object& w) { static_cast<W&>(w).Layout(); }},
           {"CreateControls", [](Object& w) { static_cast<W&>(w).CreateControls(); }}}};
}

const bool registered = RegisterProgramClass({typeid(class aboutwindow), &DescribeAboutWindow});

}  // namespace

void aboutwindow::Layout() {
  _SetProperties(SelfRef(this), {{"Width", 228},
                                 {"Height", 240},
                                 {"MinWidth", 64},
                                 {"MinHeight", 64},
                                 {"MaxWidth", 32000},
                                 {"MaxHeight", 32000},
                                 {"Frame", 0},
                                 {"Title", ""},
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

void aboutwindow::CreateControls() { _CreateControls0(); }

void aboutwindow::_CreateControls0() {
  using W = class aboutwindow;
  CreateControl<Label>(
      "Label1", {{"Left", 0}, {"Top", 136}, {"Width", 228}, {"Height", 23}, {"TabIndex", 1},
                 {"Text", "Scorewright"}, {"Bold", true}, {"TextSize", 18}, {"TextAlign", 1},
                 {"TextFont", "System"}, {"TextColor", RGB(0, 0, 0)}, {"MultiLine", false},
                 {"Selectable", false}});
  CreateControl<Label>(
      "Label2",
      {{"Left", 0}, {"Top", 166}, {"Width", 228}, {"Height", 20}, {"TabIndex", 2},
       {"Text", "Version 1.0.1"}, {"Bold", false}, {"TextSize", 12}, {"TextAlign", 1},
       {"TextFont", "System"}, {"TextColor", RGB(0, 0, 0)}, {"MultiLine", false},
       {"Selectable", false}},
      {{"MouseDown", Bind(this, &W::Label2_MouseDown)}});
  CreateControl<Label>(
      "Label3", {{"Left", 0}, {"Top", 198}, {"Width", 228}, {"Height", 31}, {"TabIndex", 3},
                 {"Text", kCopyrightNotice}, {"Bold", false}, {"TextSize", 10},
                 {"TextAlign", 1}, {"TextFont", "System"}, {"TextColor", RGB(0, 0, 0)},
                 {"MultiLine", true}, {"Selectable", false}});
  CreateControl<Canvas>(
      "Canvas1",
      {{"Left", 64}, {"Top", 20}, {"Width", 100}, {"Height", 100}, {"TabIndex", 4},
       {"AcceptFocus", false}, {"AcceptTabs", false}, {"UseFocusRing", true},
       {"DoubleBuffer", false}, {"EraseBackground", true}, {"Transparent", true}},
      {{"Paint", Bind(this, &W::Canvas1_Paint)},
       {"MouseDown", Bind(this, &W::Canvas1_MouseDown)}});
}

Ref<Label> aboutwindow::Label1() { return CheckedCast<Label>(_ControlByName("Label1")); }
Ref<Label> aboutwindow::Label2() { return CheckedCast<Label>(_ControlByName("Label2")); }
Ref<Label> aboutwindow::Label3() { return CheckedCast<Label>(_ControlByName("Label3")); }
Ref<Canvas> aboutwindow::Canvas1() { return CheckedCast<Canvas>(_ControlByName("Canvas1")); }

bool aboutwindow::Label2_MouseDown(Ref<Label>, std::int64_t, std::int64_t) {
  Ref<Date> built = App()->BuildDate();
  MsgBox("Built on " + Str(built));
  return false;
}

void aboutwindow::Canvas1_Paint(Ref<Canvas> me, Ref<Graphics> g, std::vector<Rect>) {
  if (!g) throw NilObjectException("Canvas1_Paint: no graphics to draw into");
  Ref<Picture> picture = Scoremill256();
  const auto canvas_width = static_cast<double>(me->Width());
  const auto canvas_height = static_cast<double>(me->Height());
  const auto picture_width = static_cast<double>(Scoremill256()->Width());
  const auto picture_height = static_cast<double>(Scoremill256()->Height());
  g->DrawPicture(picture, 0, 0, canvas_width, canvas_height, 0, 0, picture_width, picture_height);
}

bool aboutwindow::Canvas1_MouseDown(Ref<Canvas>, std::int64_t, std::int64_t) {
  MsgBox("Grading is not fun, is it?");
  return false;
}

Ref<class aboutwindow> aboutwindow() {
  return ImplicitInstance<class aboutwindow>("aboutwindow.aboutwindow");
}
