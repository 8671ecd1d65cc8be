// The grading window: the score table, the total-points field, the grading-mode pop-up, the
// Reset button and the result labels. The application's main window; closing it quits.
#pragma once

#include "framework/label.h"
#include "framework/rectangle.h"
#include "framework/window.h"

class Scorewright : public fw::Window {
 public:
  static constexpr const char* kClassName = "Scorewright";
  std::string ClassName() const override { return kClassName; }

  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();
  virtual void Event_Close();
};

// The grading window: the open one, or a new one, built and shown.
fw::Ref<class Scorewright> Scorewright();
