#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

#include "framework/canvas.h"
#include "framework/graphics.h"
#include "framework/objc.h"
#include "framework/popupmenu.h"
#include "framework/pushbutton.h"
#include "framework/textfield.h"
#include "framework/window.h"
#include "tests/support/program.h"
#include "tests/support/report_guard.h"
#include "tests/support/runtime_scope.h"

namespace {

using fw::Ref;
using fw::testing::WidgetOf;

// A window with one control of each kind, each event recorded in the log.
class ControlsWindow : public fw::Window {
 public:
  void CreateControls() {
    total_ = __New<fw::TextField>();
    total_->Constructor();
    _AddControl("Total", total_);
    fw::_SetProperties(total_, {{"Left", 10}, {"Top", 10}, {"Width", 80}, {"Height", 22},
                                {"Text", "100"}, {"Alignment", 2}});
    total_->AddHandler("TextChange", fw::Bind(this, &ControlsWindow::TotalTextChange));

    other_ = __New<fw::TextField>();
    other_->Constructor();
    _AddControl("Other", other_);

    mode_ = __New<fw::PopupMenu>();
    mode_->Constructor();
    _AddControl("Mode", mode_);
    fw::_SetProperties(mode_, {{"Left", 10}, {"Top", 40}, {"Width", 120}, {"Height", 22},
                               {"InitialValue", ""}, {"ListIndex", 0}});
    mode_->AddHandler("Change", fw::Bind(this, &ControlsWindow::ModeChange));

    reset_ = __New<fw::PushButton>();
    reset_->Constructor();
    _AddControl("Reset", reset_);
    fw::_SetProperties(reset_, {{"Left", 10}, {"Top", 70}, {"Width", 80}, {"Height", 24},
                                {"Caption", "Reset"}, {"Default", true}});
    reset_->AddHandler("Action", fw::Bind(this, &ControlsWindow::ResetAction));

    chart_ = __New<fw::Canvas>();
    chart_->Constructor();
    _AddControl("Chart", chart_);
    fw::_SetProperties(chart_, {{"Left", 150}, {"Top", 10}, {"Width", 120}, {"Height", 80}});
    chart_->AddHandler("Paint", fw::Bind(this, &ControlsWindow::ChartPaint));
    chart_->AddHandler("MouseDown", fw::Bind(this, &ControlsWindow::ChartMouseDown));
  }

  void TotalTextChange(Ref<fw::TextField> field) { log.push_back("TextChange " + field->Text()); }
  void ModeChange(Ref<fw::PopupMenu> menu) {
    log.push_back("Change " + std::to_string(menu->ListIndex()));
  }
  void ResetAction(Ref<fw::PushButton>) {
    log.push_back("Action");
    if (throw_in_action) throw fw::OutOfBoundsException("raised in Action");
  }
  void ChartPaint(Ref<fw::Canvas>, Ref<fw::Graphics> g, std::vector<fw::Rect> areas) {
    log.push_back("Paint");
    painted = g;
    painted_areas = std::move(areas);
  }
  bool ChartMouseDown(Ref<fw::Canvas>, std::int64_t x, std::int64_t y) {
    log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return true;
  }

  QLineEdit* TotalEdit() const { return qobject_cast<QLineEdit*>(WidgetOf(*total_)); }
  QComboBox* ModeCombo() const { return qobject_cast<QComboBox*>(WidgetOf(*mode_)); }
  QPushButton* ResetButton() const { return qobject_cast<QPushButton*>(WidgetOf(*reset_)); }

  Ref<fw::TextField> total_, other_;
  Ref<fw::PopupMenu> mode_;
  Ref<fw::PushButton> reset_;
  Ref<fw::Canvas> chart_;
  std::vector<std::string> log;
  bool throw_in_action = false;
  Ref<fw::Graphics> painted;
  std::vector<fw::Rect> painted_areas;
};

fw::ClassDescription DescribeControlsWindow() {
  return {"ControlsWindow",
          "ControlsTest.ControlsWindow",
          {{"CreateControls", [](fw::Object& w) { static_cast<ControlsWindow&>(w).CreateControls(); }}}};
}

const bool registered = fw::RegisterProgramClass({typeid(ControlsWindow), &DescribeControlsWindow});

Ref<ControlsWindow> OpenControlsWindow() {
  auto window = fw::New<ControlsWindow>();
  window->Constructor();
  return window;
}

using Log = std::vector<std::string>;

TEST(TextFieldTest, TextChangeFollowsEachKeystrokeAndEachProgramWrite) {
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();
  EXPECT_EQ(window->log, Log{}) << "the design text came before the handler";

  QTest::keyClicks(window->TotalEdit(), "57");
  window->total_->SetText("80");

  EXPECT_EQ(window->log, (Log{"TextChange 1005", "TextChange 10057", "TextChange 80"}));
  EXPECT_EQ(window->TotalEdit()->text(), QStringLiteral("80"));
}

// A field with a pixel of the window round it, as the window shows it.
QImage Shown(QWidget* field) {
  return field->parentWidget()->grab(field->geometry().adjusted(-1, -1, 1, 1)).toImage();
}

TEST(TextFieldTest, BezelMessageRoundsTheFieldAndSquaresItAgain) {
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();
  const std::int64_t handle = window->total_->Handle();
  ASSERT_NE(handle, 0);
  EXPECT_NE(handle, window->other_->Handle());
  const std::int64_t selector = fw::sel_registerName("setBezelStyle:");
  EXPECT_EQ(fw::sel_registerName("setBezelStyle:"), selector);
  QLineEdit* field = window->TotalEdit();
  field->clearFocus();
  const QImage square = Shown(field);
  const QImage other = Shown(WidgetOf(*window->other_));

  fw::objc_msgSend(handle, selector, 1);
  const QImage rounded = Shown(field);
  const int middle = rounded.width() / 2;
  const std::vector<int> white{255, 255, 255}, grey{160, 160, 160};
  EXPECT_EQ(sw_test::PixelAt(rounded, middle, 1), grey) << "a line of one pixel";
  EXPECT_EQ(sw_test::PixelAt(rounded, middle, 2), white) << "round the back colour";
  EXPECT_EQ(sw_test::PixelAt(rounded, 1, rounded.height() / 2), grey);
  EXPECT_EQ(sw_test::PixelAt(rounded, 1, 1), sw_test::PixelAt(rounded, 0, 0))
      << "a round corner: the window shows through";
  EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(Shown(WidgetOf(*window->other_)), other) << "only the receiver changes";

  field->window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(field->window()));
  field->setFocus();
  ASSERT_TRUE(field->hasFocus());
  const QImage focused = Shown(field);
  const QColor highlight = field->palette().color(QPalette::Highlight);
  const std::vector<int> line{highlight.red(), highlight.green(), highlight.blue()};
  EXPECT_EQ(sw_test::PixelAt(focused, middle, 1), line) << "focused: a line of two pixels";
  EXPECT_EQ(sw_test::PixelAt(focused, middle, 2), line);
  EXPECT_EQ(sw_test::PixelAt(focused, middle, 3), white);

  field->clearFocus();
  fw::objc_msgSend(handle, selector, 0);
  EXPECT_EQ(Shown(field), square);
}

TEST(TextFieldTest, MessagesThatCannotBeDeliveredAreIgnoredOrRefused) {
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();
  const std::int64_t bezel = fw::sel_registerName("setBezelStyle:");

  window->TotalEdit()->clearFocus();
  const QImage square = Shown(window->TotalEdit());

  EXPECT_EQ(fw::objc_msgSend(0, bezel, 1), 0);
  EXPECT_EQ(fw::objc_msgSend(window->other_->Handle() + 1000, bezel, 1), 0);
  EXPECT_EQ(Shown(window->TotalEdit()), square);

  const std::int64_t unknown = fw::sel_registerName("setDrawsBackground:");
  EXPECT_NE(unknown, bezel);
  try {
    fw::objc_msgSend(window->total_->Handle(), unknown, 1);
    ADD_FAILURE() << "an unknown selector was accepted";
  } catch (const fw::UnsupportedOperationException& e) {
    EXPECT_NE(e.Message().find("setDrawsBackground:"), std::string::npos) << e.Message();
  }
}

TEST(PopupMenuTest, AnEmptyPopUpChoosesNothingAndAddingRowsKeepsItSo) {
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();
  EXPECT_EQ(window->mode_->ListIndex(), -1) << "the design ListIndex 0 found no rows";

  window->mode_->AddRow("Points");
  window->mode_->AddRow("Percent");

  EXPECT_EQ(window->mode_->ListIndex(), -1);
  EXPECT_EQ(window->mode_->ListCount(), 2);
  EXPECT_EQ(window->mode_->List(1), "Percent");
  EXPECT_EQ(window->ModeCombo()->currentIndex(), -1);
  EXPECT_EQ(window->log, Log{});
}

TEST(PopupMenuTest, SettingListIndexRaisesChangeOnlyWhenTheIndexChanges) {
  struct Step {
    const char* name;
    std::int64_t value;
    bool refused;
    std::int64_t index_after;
    Log log_after;
  };
  const Step steps[] = {
      {"ChooseFirst", 0, false, 0, {"Change 0"}},
      {"SameAgain", 0, false, 0, {"Change 0"}},
      {"ChooseLast", 2, false, 2, {"Change 0", "Change 2"}},
      {"PastTheEnd", 3, true, 2, {"Change 0", "Change 2"}},
      {"BelowNone", -2, true, 2, {"Change 0", "Change 2"}},
      {"ClearChoice", -1, false, -1, {"Change 0", "Change 2", "Change -1"}},
      {"ClearAgain", -1, false, -1, {"Change 0", "Change 2", "Change -1"}},
  };
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();
  window->mode_->SetInitialValue("Points\nPercent\r\nLetter");
  ASSERT_EQ(window->mode_->ListCount(), 3);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    if (step.refused) {
      EXPECT_THROW(window->mode_->SetListIndex(step.value), fw::OutOfBoundsException);
    } else {
      window->mode_->SetListIndex(step.value);
    }
    EXPECT_EQ(window->mode_->ListIndex(), step.index_after);
    EXPECT_EQ(window->ModeCombo()->currentIndex(), step.index_after);
    EXPECT_EQ(window->log, step.log_after);
  }
}

TEST(PopupMenuTest, TheUsersChoiceRaisesChange) {
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();
  window->mode_->SetInitialValue("Points\nPercent");

  QTest::keyClick(window->ModeCombo(), Qt::Key_Down);
  EXPECT_EQ(window->mode_->ListIndex(), 0);
  QTest::keyClick(window->ModeCombo(), Qt::Key_Down);

  EXPECT_EQ(window->mode_->ListIndex(), 1);
  EXPECT_EQ(window->log, (Log{"Change 0", "Change 1"}));
}

TEST(PushButtonTest, PushRaisesActionAndPassesItsExceptionToTheCaller) {
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();
  window->reset_->Push();
  EXPECT_EQ(window->log, Log{"Action"});

  window->throw_in_action = true;
  EXPECT_THROW(window->reset_->Push(), fw::OutOfBoundsException);
  EXPECT_EQ(window->log, (Log{"Action", "Action"}));
  EXPECT_TRUE(scope.Reports().empty());
}

TEST(PushButtonTest, AClickRaisesActionAndItsExceptionIsReportedNotThrown) {
  sw_test::ExpectErrorReports();
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();
  window->throw_in_action = true;

  EXPECT_NO_THROW(QTest::mouseClick(window->ResetButton(), Qt::LeftButton));

  EXPECT_EQ(window->log, Log{"Action"});
  EXPECT_EQ(scope.Reports(), Log{"OutOfBoundsException: raised in Action"});
}

TEST(PushButtonTest, ReturnThatTheFieldLeavesPushesTheDefaultButton) {
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();
  window->TotalEdit()->setFocus();

  QTest::keyClick(window->TotalEdit(), Qt::Key_Return);

  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->log.empty(); }));
  EXPECT_EQ(window->log, Log{"Action"});
}

TEST(CanvasTest, PaintGetsAGraphicsOfTheCanvasSizeAndTheAreasToRedraw) {
  struct Case {
    const char* name;
    QRect area;
  };
  const Case cases[] = {
      {"WholeCanvas", QRect(0, 0, 120, 80)},
      {"PartOfIt", QRect(10, 20, 30, 40)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sw_test::RuntimeScope scope;
    auto window = OpenControlsWindow();

    WidgetOf(*window->chart_)->grab(c.area);

    ASSERT_EQ(window->log, Log{"Paint"});
    ASSERT_TRUE(window->painted);
    EXPECT_EQ(window->painted->Width(), 120);
    EXPECT_EQ(window->painted->Height(), 80);
    ASSERT_EQ(window->painted_areas.size(), 1u);
    const fw::Rect& r = window->painted_areas[0];
    EXPECT_EQ(QRect(static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.width),
                    static_cast<int>(r.height)),
              c.area);
    EXPECT_THROW(window->painted->FillRect(0, 0, 1, 1), fw::NilObjectException)
        << "the Graphics outlived its paint event";
  }
}

TEST(CanvasTest, MouseDownGetsThePointInCanvasCoordinates) {
  sw_test::RuntimeScope scope;
  auto window = OpenControlsWindow();

  QTest::mousePress(WidgetOf(*window->chart_), Qt::LeftButton, {}, QPoint(15, 25));
  QTest::mouseRelease(WidgetOf(*window->chart_), Qt::LeftButton, {}, QPoint(15, 25));

  EXPECT_EQ(window->log, Log{"MouseDown 15,25"});
}

}  // namespace
