// The about window: the application icon, the product name, the version and the copyright
// notice. A click on the version shows the build date; a click on the icon a fixed message.
// At most one at a time, not modal; closing it ends nothing else.
#pragma once

#include <vector>

#include "framework/canvas.h"
#include "framework/graphics.h"
#include "framework/label.h"
#include "framework/window.h"

class aboutwindow : public fw::Window {
 public:
  static constexpr const char* kClassName = "aboutwindow";
  std::string ClassName() const override { return kClassName; }

  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();
  virtual fw::Ref<fw::Label> Label1();
  virtual fw::Ref<fw::Label> Label2();
  virtual fw::Ref<fw::Label> Label3();
  virtual fw::Ref<fw::Canvas> Canvas1();
  virtual bool Label2_MouseDown(fw::Ref<fw::Label> me, std::int64_t x, std::int64_t y);
  virtual void Canvas1_Paint(fw::Ref<fw::Canvas> me, fw::Ref<fw::Graphics> g,
                             std::vector<fw::Rect> areas);
  virtual bool Canvas1_MouseDown(fw::Ref<fw::Canvas> me, std::int64_t x, std::int64_t y);
};

fw::Ref<class aboutwindow> aboutwindow();

// The two lines of the copyright notice.
extern const char* const kCopyrightNotice;
