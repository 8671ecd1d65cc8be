// The grading window: the score table of 100 problems, the total-points field, the grading-mode
// pop-up, the Reset button and the three result labels. The application's main window: the only
// one open at launch, and closing it quits. Every change of an entry, of the total or of the mode
// runs mainCalcMethod, which recomputes every result from the controls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics.h"
#include "framework/label.h"
#include "framework/listbox.h"
#include "framework/popupmenu.h"
#include "framework/pushbutton.h"
#include "framework/rectangle.h"
#include "framework/textfield.h"
#include "framework/window.h"

class Scorewright : public fw::Window {
 public:
  static constexpr const char* kClassName = "Scorewright";
  std::string ClassName() const override { return kClassName; }

  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();
  virtual fw::Ref<fw::Listbox> LabBox();
  virtual fw::Ref<fw::TextField> totalPoints();
  virtual void LabBox_Open(fw::Ref<fw::Listbox> me);
  virtual bool LabBox_CellBackgroundPaint(fw::Ref<fw::Listbox> me, fw::Ref<fw::Graphics> g,
                                          std::int64_t row, std::int64_t column);
  virtual bool LabBox_CellClick(fw::Ref<fw::Listbox> me, std::int64_t row, std::int64_t column,
                                std::int64_t x, std::int64_t y);
  virtual void LabBox_CellTextChange(fw::Ref<fw::Listbox> me, std::int64_t row,
                                     std::int64_t column);
  virtual bool LabBox_CellKeyDown(fw::Ref<fw::Listbox> me, std::int64_t row, std::int64_t column,
                                  std::string key);
  virtual bool LabBox_SortColumn(fw::Ref<fw::Listbox> me, std::int64_t column);
  virtual void totalPoints_Open(fw::Ref<fw::TextField> me);
  virtual void totalPoints_TextChange(fw::Ref<fw::TextField> me);
  virtual void resetButton_Action(fw::Ref<fw::PushButton> me);
  virtual void gradingTypePop_Open(fw::Ref<fw::PopupMenu> me);
  virtual void gradingTypePop_Change(fw::Ref<fw::PopupMenu> me);
  virtual void AddMenuHandlers(fw::Ref<fw::Window> window);
  virtual void Event_Close();
  virtual bool _ResetResetfornextstudent_Action();

  fw::Ref<fw::Rectangle> Rectangle1();
  fw::Ref<fw::Label> ExplanationLabel();
  fw::Ref<fw::Label> percentageLabel();
  fw::Ref<fw::Rectangle> Rectangle3();
  fw::Ref<fw::Label> Label6();
  fw::Ref<fw::Rectangle> Rectangle4();
  fw::Ref<fw::Label> Label8();
  fw::Ref<fw::Label> pointsLabel();
  fw::Ref<fw::PushButton> resetButton();
  fw::Ref<fw::Label> Label10();
  fw::Ref<fw::Rectangle> Rectangle5();
  fw::Ref<fw::Label> Label11();
  fw::Ref<fw::PopupMenu> gradingTypePop();
  fw::Ref<fw::Label> Label12();
  fw::Ref<fw::Rectangle> Rectangle6();
  fw::Ref<fw::Label> Label13();
  fw::Ref<fw::Label> lostLabel();

  // Recomputes the result labels and the grade scale from the total, the mode and the entries.
  void mainCalcMethod();

 private:
  template <class T>
  fw::Ref<T> Control(const char* name) {
    return fw::CheckedCast<T>(_ControlByName(name));
  }
};

// The grading window: the open one, or a new one, built and shown.
fw::Ref<class Scorewright> Scorewright();
