// The help window: two headings, each with a paragraph of instructions for the grading window.
// At most one at a time, not modal; it reacts to nothing but its close button.
#pragma once

#include "framework/label.h"
#include "framework/window.h"

class helpWindow : public fw::Window {
 public:
  static constexpr const char* kClassName = "helpWindow";
  std::string ClassName() const override { return kClassName; }

  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();
  virtual fw::Ref<fw::Label> Label1();
  virtual fw::Ref<fw::Label> Label2();
  virtual fw::Ref<fw::Label> Label3();
  virtual fw::Ref<fw::Label> Label4();
};

fw::Ref<class helpWindow> helpWindow();
