// The grading window as the user drives it: entries typed into the score table, the total field,
// the grading-mode pop-up and the Reset button; the results, the grade scale and the layout.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/desktop.h"
#include "framework/testing.h"
#include "grading_window/scorewright.h"
#include "tests/support/change_notices.h"
#include "tests/support/keys.h"
#include "tests/support/program.h"
#include "tests/support/report_guard.h"

namespace {

using fw::testing::ContentAreaOf;
using fw::testing::EditorOf;
using fw::testing::QtWindowOf;
using fw::testing::ViewOf;
using fw::testing::WidgetOf;
using sw_test::Announced;
using sw_test::PixelAt;
using sw_test::ProgramScope;
using GradingWindow = fw::Ref<class Scorewright>;

constexpr int kRows = 100;
const char* const kLostExplanation =
    "Enter lost points per question into the second column as you grade";
const char* const kGainedExplanation =
    "Enter gained points per question into the second column as you grade";

QTableView* View(const GradingWindow& w) { return ViewOf(*w->LabBox()); }

QLineEdit* Editor(const GradingWindow& w) {
  fw::Ref<fw::TextEdit> active = w->LabBox()->ActiveCell();
  return active ? EditorOf(*active) : nullptr;
}

// The cell under the open editor, or (-1, -1) when no cell is being edited.
std::pair<int, int> EditedCell(const GradingWindow& w) {
  QLineEdit* editor = Editor(w);
  if (!editor) return {-1, -1};
  const QModelIndex index = View(w)->indexAt(editor->geometry().center());
  return {index.row(), index.column()};
}

std::pair<int, int> CurrentCell(const GradingWindow& w) {
  const QModelIndex index = View(w)->currentIndex();
  return {index.row(), index.column()};
}

std::vector<std::pair<int, int>> SelectedCells(const GradingWindow& w) {
  std::vector<std::pair<int, int>> cells;
  for (const QModelIndex& index : View(w)->selectionModel()->selectedIndexes()) {
    cells.emplace_back(index.row(), index.column());
  }
  std::sort(cells.begin(), cells.end());
  return cells;
}

std::vector<std::string> Column(const GradingWindow& w, int column) {
  std::vector<std::string> texts;
  for (int r = 0; r < kRows; ++r) texts.push_back(w->LabBox()->Cell(r, column));
  return texts;
}

// The three result labels: percentage, points, lost.
std::vector<std::string> Results(const GradingWindow& w) {
  return {w->percentageLabel()->Text(), w->pointsLabel()->Text(), w->lostLabel()->Text()};
}

// The colour a label's text is drawn in, as the label draws itself over its window's ground: of
// the pixels that differ from the ground, the commonest, as the insides of the strokes are drawn
// in the text's colour and only their edges are blended with the ground. Empty: no text drawn.
std::vector<int> TextColour(QWidget* label) {
  const QColor ground = label->palette().color(QPalette::Window);
  QImage image(label->size(), QImage::Format_RGB32);
  image.fill(ground);
  QPainter(&image).drawPixmap(0, 0, label->grab());
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  }
  QRgb ink = ground.rgb();
  int most = 0;
  for (const auto& [colour, count] : counts) {
    if (colour != ground.rgb() && count > most) ink = colour, most = count;
  }
  if (most == 0) return {};
  return {qRed(ink), qGreen(ink), qBlue(ink)};
}

void ClickCell(const GradingWindow& w, int row, int column) {
  QTableView* view = View(w);
  const QModelIndex index = view->model()->index(row, column);
  view->scrollTo(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}

// Clicks the entry cell of the row and types the text over the cell's text.
void TypeEntry(const GradingWindow& w, int row, const char* text) {
  ClickCell(w, row, 1);
  QLineEdit* editor = Editor(w);
  ASSERT_NE(editor, nullptr) << "row " << row;
  editor->selectAll();
  QTest::keyClicks(editor, text);
}

void TypeTotal(const GradingWindow& w, const char* text) {
  auto* field = qobject_cast<QLineEdit*>(WidgetOf(*w->totalPoints()));
  ASSERT_NE(field, nullptr);
  field->selectAll();
  if (*text == '\0') {
    QTest::keyClick(field, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(field, text);
  }
  ASSERT_EQ(w->totalPoints()->Text(), text);
}

// Chooses the row of the grading-mode pop-up with the arrow keys, as the user does.
void ChooseMode(const GradingWindow& w, std::int64_t mode) {
  auto* combo = qobject_cast<QComboBox*>(WidgetOf(*w->gradingTypePop()));
  ASSERT_NE(combo, nullptr);
  QTest::keyClick(combo, mode > w->gradingTypePop()->ListIndex() ? Qt::Key_Down : Qt::Key_Up);
  ASSERT_EQ(w->gradingTypePop()->ListIndex(), mode);
}

QLineEdit* TotalField(const GradingWindow& w) {
  return qobject_cast<QLineEdit*>(WidgetOf(*w->totalPoints()));
}

// Where the teacher edits: the entry of kEditRow or the total field.
enum class Field { kCell, kTotal };
constexpr int kEditRow = 2;

// Starts an edit as the teacher does: the field gets the focus, the text is typed over the
// field's whole text (nullptr: nothing typed), then either everything is selected or the cursor
// stays after the typed text. The clipboard holds "x".
QLineEdit* StartEdit(const GradingWindow& w, Field field, const char* typed, bool select_all) {
  QLineEdit* line = nullptr;
  if (field == Field::kCell) {
    ClickCell(w, kEditRow, 1);
    line = Editor(w);
  } else {
    line = TotalField(w);
    if (line) line->setFocus(Qt::MouseFocusReason);
  }
  if (!line) return nullptr;
  if (typed) {
    line->selectAll();
    QTest::keyClicks(line, typed);
  }
  if (select_all) line->selectAll();
  QGuiApplication::clipboard()->setText("x");
  return line;
}

struct EditOutcome {
  const char* text;  // the field's text, as the editor shows it and as it is stored
  const char* clipboard;
  int edited_row;  // the entry being edited afterwards, in column 1; -1: none
  std::vector<std::string> results;
};

void ExpectOutcome(const GradingWindow& w, Field field, const QPointer<QLineEdit>& line,
                   const EditOutcome& expected) {
  if (field == Field::kCell) {
    EXPECT_EQ(w->LabBox()->Cell(kEditRow, 1), expected.text);
  } else {
    EXPECT_EQ(w->totalPoints()->Text(), expected.text);
  }
  if (field == Field::kTotal || expected.edited_row == kEditRow) {
    ASSERT_TRUE(line);
    EXPECT_EQ(line->text().toStdString(), expected.text);
    EXPECT_TRUE(QApplication::focusWidget() == line.data()) << "the edit stays where it was";
  }
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), expected.clipboard);
  EXPECT_EQ(EditedCell(w), std::make_pair(expected.edited_row, expected.edited_row < 0 ? -1 : 1));
  EXPECT_EQ(Results(w), expected.results);
}

TEST(GradingWindowStart, ShowsTheProblemsTheFirstResultsAndTheFirstEntryBeingEdited) {
  ProgramScope program;
  auto w = program.window();
  auto list = w->LabBox();
  ASSERT_EQ(list->ListCount(), kRows);
  std::vector<std::string> numbers, zeros(kRows, "0");
  for (int r = 1; r <= kRows; ++r) numbers.push_back(std::to_string(r));
  EXPECT_EQ(Column(w, 0), numbers);
  EXPECT_EQ(Column(w, 1), zeros);
  EXPECT_EQ(list->Heading(0), "Problem #");
  EXPECT_EQ(list->Heading(1), "Graded Points");
  EXPECT_EQ(list->Heading(2), "Points Incorrect");
  EXPECT_EQ(list->Heading(3), "Percentage");
  EXPECT_EQ(w->ExplanationLabel()->Text(), kLostExplanation);
  EXPECT_EQ(Results(w), (std::vector<std::string>{"100.00%", "100/100", "0"}));

  QLineEdit* editor = Editor(w);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(EditedCell(w), std::make_pair(0, 1));
  EXPECT_EQ(CurrentCell(w), std::make_pair(0, 1));
  EXPECT_EQ(editor->selectedText(), "0");

  auto pop = w->gradingTypePop();
  EXPECT_EQ(pop->ListIndex(), 0);
  ASSERT_EQ(pop->ListCount(), 2);
  EXPECT_EQ(pop->List(0), "Grade as lost points");
  EXPECT_EQ(pop->List(1), "Grade as gained points");
  EXPECT_EQ(qobject_cast<QComboBox*>(WidgetOf(*pop))->currentText(), "Grade as lost points");
}

TEST(GradingWindowCalculation, ResultsAndGradeScaleFollowTheTotalTheModeAndTheEntries) {
  struct ScaleRow {
    int row;
    const char* points;
    const char* percentage;
  };
  struct Case {
    const char* name;
    std::int64_t mode;
    const char* total;  // nullptr: the total stays 100
    std::vector<const char*> entries;  // typed into rows 0, 1, ...
    std::vector<std::string> results;  // percentage, points, lost
    int scale_rows;  // rows 0 .. scale_rows - 1 show the scale; the others are blank
    std::vector<ScaleRow> scale;
  };
  const std::vector<const char*> ten_tenths(10, "0.1");
  const std::vector<const char*> thirteen{"3.73", "9.64", "4.45", "0.16", "6.53", "3.24", "5.11",
                                          "8.23", "6.43", "5.31", "1.04", "2.36", "4.26"};
  const Case cases[] = {
      {"StartLost", 0, nullptr, {}, {"100.00%", "100/100", "0"}, 100,
       {{0, "0", "100.00%"}, {99, "99", "1.00%"}}},
      {"StartGained", 1, nullptr, {}, {"0.00%", "0/100", "100"}, 100,
       {{0, "100", "100.00%"}, {99, "1", "1.00%"}}},
      {"LostFractionalEntries", 0, "20", {"2", "1.5"}, {"82.50%", "16.5/20", "3.5"}, 21,
       {{0, "0", "100.00%"}, {10, "10", "50.00%"}, {20, "20", "0.00%"}}},
      {"GainedFractionalTotal", 1, "10.5", {"3", "2.25", "4"}, {"88.10%", "9.25/10.5", "1.25"}, 11,
       {{0, "10.5", "100.00%"}, {10, "0.5", "4.76%"}}},
      // The Single 99.375 formats as 99.38; the Double quotient 99.374997... would give 99.37.
      {"LostPercentageRoundedToSingleFirst", 0, "16", {"0.1"}, {"99.38%", "15.9/16", "0.1"}, 17,
       {{16, "16", "0.00%"}}},
      // The Double quotient of the Single score rounds to exactly the half: 90.875 and 12.375.
      // Computed in Single both come out just below it and would show 90.87% and 12.37%.
      {"LostPercentageInDoubleFromTheSingleScore", 0, "80", {"7.3"}, {"90.88%", "72.7/80", "7.3"},
       81, {{80, "80", "0.00%"}}},
      {"GainedPercentageInDoubleFromTheSingleScore", 1, "80", {"9.9"},
       {"12.38%", "9.9/80", "70.1"}, 81, {{0, "80", "100.00%"}}},
      {"LostSingleSumOfTenTenthsPassesTheTotal", 0, "1", ten_tenths,
       {"0.00%", "-1.192093e-07/1", "1"}, 2, {{0, "0", "100.00%"}, {1, "1", "0.00%"}}},
      // Each entry rounded to Single and added in Single; in Double the sum would be 60.49.
      {"LostThirteenEntriesSummedInSingle", 0, "100", thirteen,
       {"39.51%", "39.50999/100", "60.49001"}, 100, {{99, "99", "1.00%"}}},
      {"GainedThirteenEntriesSummedInSingle", 1, "100", thirteen,
       {"60.49%", "60.49001/100", "39.50999"}, 100, {{0, "100", "100.00%"}}},
      {"LostZeroTotal", 0, "0", {}, {"NaN%", "0/0", "0"}, 1, {{0, "0", "NaN%"}}},
      {"GainedEmptyTotal", 1, "", {}, {"NaN%", "0/0", "0"}, 1, {{0, "0", "NaN%"}}},
      {"LostTextTotalWithAnEntry", 0, "abc", {"5"}, {"-Infinity%", "-5/0", "5"}, 1,
       {{0, "0", "NaN%"}}},
      {"GainedZeroTotalWithAnEntry", 1, "0", {"5"}, {"Infinity%", "5/0", "-5"}, 1,
       {{0, "0", "NaN%"}}},
      {"LostNegativeTotal", 0, "-5", {}, {"100.00%", "-5/-5", "0"}, 0, {}},
      {"GainedNegativeTotalShowsNoMinusOnZero", 1, "-5", {}, {"0.00%", "0/-5", "-5"}, 0, {}},
      {"LostEntriesAboveTheTotal", 0, "10", {"5", "7"}, {"-20.00%", "-2/10", "12"}, 11,
       {{10, "10", "0.00%"}}},
      {"GainedEntriesAboveTheTotal", 1, "10", {"5", "7"}, {"120.00%", "12/10", "-2"}, 11,
       {{0, "10", "100.00%"}, {10, "0", "0.00%"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramScope program;
    auto w = program.window();
    if (c.mode != 0) ChooseMode(w, c.mode);
    if (c.total) TypeTotal(w, c.total);
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
      TypeEntry(w, static_cast<int>(i), c.entries[i]);
      ASSERT_EQ(w->LabBox()->Cell(static_cast<std::int64_t>(i), 1), c.entries[i]);
    }

    EXPECT_EQ(Results(w), c.results);
    std::vector<int> wrongly_filled;
    for (int r = 0; r < kRows; ++r) {
      const bool filled = r < c.scale_rows;
      if ((w->LabBox()->Cell(r, 2).empty() == filled) || (w->LabBox()->Cell(r, 3).empty() == filled)) {
        wrongly_filled.push_back(r);
      }
    }
    EXPECT_EQ(wrongly_filled, std::vector<int>{}) << "rows that should be the other of filled/blank";
    for (const ScaleRow& s : c.scale) {
      SCOPED_TRACE("scale row " + std::to_string(s.row));
      EXPECT_EQ(w->LabBox()->Cell(s.row, 2), s.points);
      EXPECT_EQ(w->LabBox()->Cell(s.row, 3), s.percentage);
    }
  }
}

TEST(GradingWindowCalculation, AnEntryLeavesTheGradeScaleAndTheTotalRedrawsIt) {
  ProgramScope program;
  auto w = program.window();
  ChooseMode(w, 1);
  TypeTotal(w, "20");
  const std::vector<std::string> points = Column(w, 2), percentages = Column(w, 3);

  TypeEntry(w, 2, "4");
  EXPECT_EQ(w->pointsLabel()->Text(), "4/20");
  EXPECT_EQ(Column(w, 2), points);
  EXPECT_EQ(Column(w, 3), percentages);

  TypeTotal(w, "30");
  EXPECT_EQ(w->pointsLabel()->Text(), "4/30");
  EXPECT_EQ(w->LabBox()->Cell(0, 2), "30");
  EXPECT_EQ(w->LabBox()->Cell(10, 3), "66.67%");
  EXPECT_EQ(w->LabBox()->Cell(30, 2), "0");
  EXPECT_EQ(w->LabBox()->Cell(31, 2), "");
}

TEST(GradingWindowMode, EveryIndexButZeroGradesGainedPointsAndLostRestoresItsTexts) {
  ProgramScope program;
  auto w = program.window();
  TypeEntry(w, 0, "4");
  struct Step {
    const char* name;
    std::function<void()> act;
    std::int64_t index;
    const char* explanation;
    const char* heading;
    std::vector<std::string> results;
    const char* first_scale_points;
  };
  const Step steps[] = {
      {"NoRowChosen", [&] { w->gradingTypePop()->SetListIndex(-1); }, -1, kGainedExplanation,
       "Points Correct", {"4.00%", "4/100", "96"}, "100"},
      {"LostChosenByTheUser", [&] { ChooseMode(w, 0); }, 0, kLostExplanation, "Points Incorrect",
       {"96.00%", "96/100", "4"}, "0"},
      {"GainedChosenByTheUser", [&] { ChooseMode(w, 1); }, 1, kGainedExplanation, "Points Correct",
       {"4.00%", "4/100", "96"}, "100"},
      {"LostChosenAgain", [&] { ChooseMode(w, 0); }, 0, kLostExplanation, "Points Incorrect",
       {"96.00%", "96/100", "4"}, "0"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.act();
    EXPECT_EQ(w->gradingTypePop()->ListIndex(), step.index);
    EXPECT_EQ(w->ExplanationLabel()->Text(), step.explanation);
    EXPECT_EQ(w->LabBox()->Heading(2), step.heading);
    EXPECT_EQ(Results(w), step.results);
    EXPECT_EQ(w->LabBox()->Cell(0, 2), step.first_scale_points);
  }
}

TEST(GradingWindowKeys, ReturnEnterAndTheArrowsMoveTheEditOneRowAndComputeNothing) {
  struct Row {
    const char* name;
    int from;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int to;
  };
  const Row rows[] = {
      {"ReturnMovesDown", 0, Qt::Key_Return, Qt::NoModifier, 1},
      {"ReturnReachesTheLastRow", 98, Qt::Key_Return, Qt::NoModifier, 99},
      {"ReturnOnTheLastRowStays", 99, Qt::Key_Return, Qt::NoModifier, 99},
      {"KeypadEnterMovesDown", 3, Qt::Key_Enter, Qt::KeypadModifier, 4},
      {"UpMovesUp", 5, Qt::Key_Up, Qt::NoModifier, 4},
      {"DownMovesDown", 5, Qt::Key_Down, Qt::NoModifier, 6},
      {"UpOnTheFirstRowStays", 0, Qt::Key_Up, Qt::NoModifier, 0},
      {"DownOnTheLastRowStays", 99, Qt::Key_Down, Qt::NoModifier, 99},
      {"KeypadEnterOnTheLastRowStays", 99, Qt::Key_Enter, Qt::KeypadModifier, 99},
      {"CtrlReturnMovesDown", 0, Qt::Key_Return, Qt::ControlModifier, 1},
      {"CtrlKeypadEnterMovesDown", 3, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, 4},
      {"CtrlUpMovesUp", 5, Qt::Key_Up, Qt::ControlModifier, 4},
      {"CtrlDownMovesDown", 5, Qt::Key_Down, Qt::ControlModifier, 6},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProgramScope program;
    auto w = program.window();
    w->LabBox()->EditCell(row.from, 1);
    QLineEdit* editor = Editor(w);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "3");
    const std::vector<std::string> entries = Column(w, 1), results = Results(w);
    ASSERT_EQ(results, (std::vector<std::string>{"97.00%", "97/100", "3"}));

    QTest::keyClick(editor, row.key, row.modifiers);

    EXPECT_EQ(EditedCell(w), std::make_pair(row.to, 1));
    EXPECT_EQ(CurrentCell(w), std::make_pair(row.to, 1));
    EXPECT_EQ(Column(w, 1), entries) << "the key typed nothing";
    EXPECT_EQ(Results(w), results);
    ASSERT_NE(Editor(w), nullptr);
    if (row.to != row.from) {
      EXPECT_EQ(Editor(w)->selectedText(), "0");
    } else {
      EXPECT_EQ(Editor(w), editor);
      EXPECT_EQ(editor->text(), "3");
    }
  }
}

TEST(GradingWindowKeys, ADigitTypedWhileUpIsHeldMovesUpOnceMoreAndLandsInTheNewRow) {
  ProgramScope program;
  auto w = program.window();
  w->LabBox()->EditCell(5, 1);
  QTest::keyPress(Editor(w), Qt::Key_Up);
  ASSERT_EQ(EditedCell(w), std::make_pair(4, 1));

  QTest::keyClick(Editor(w), Qt::Key_7);
  EXPECT_EQ(EditedCell(w), std::make_pair(3, 1));
  EXPECT_EQ(CurrentCell(w), std::make_pair(3, 1));
  EXPECT_EQ(w->LabBox()->Cell(3, 1), "7");
  EXPECT_EQ(w->LabBox()->Cell(4, 1), "0");
  EXPECT_EQ(Results(w), (std::vector<std::string>{"93.00%", "93/100", "7"}));

  QTest::keyRelease(Editor(w), Qt::Key_Up);
  QTest::keyClick(Editor(w), Qt::Key_1);
  EXPECT_EQ(EditedCell(w), std::make_pair(3, 1)) << "released, Up moves nothing";
  EXPECT_EQ(w->LabBox()->Cell(3, 1), "71");
}

TEST(GradingWindowKeys, AModifierPressedAloneWhileDownIsHeldMovesNothing) {
  struct Row {
    const char* name;
    Qt::Key key;
  };
  const Row rows[] = {
      {"Shift", Qt::Key_Shift},       {"Control", Qt::Key_Control}, {"Alt", Qt::Key_Alt},
      {"AltGr", Qt::Key_AltGr},       {"Meta", Qt::Key_Meta},       {"Super", Qt::Key_Super_L},
      {"CapsLock", Qt::Key_CapsLock},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProgramScope program;
    auto w = program.window();
    w->LabBox()->EditCell(5, 1);
    QTest::keyPress(Editor(w), Qt::Key_Down);
    ASSERT_EQ(EditedCell(w), std::make_pair(6, 1));
    const std::vector<std::string> entries = Column(w, 1);

    sw_test::TapModifier(Editor(w), row.key);

    EXPECT_EQ(EditedCell(w), std::make_pair(6, 1));
    EXPECT_EQ(CurrentCell(w), std::make_pair(6, 1));
    EXPECT_EQ(Column(w, 1), entries);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Down);
  }
}

TEST(GradingWindowKeys, ADigitTypedWhileNoCellIsEditedChangesNothing) {
  struct Row {
    const char* name;
    std::function<void(const GradingWindow&)> leave_the_edit;
  };
  const Row rows[] = {
      {"AfterAClickInTheProblemColumn", [](const GradingWindow& w) { ClickCell(w, 3, 0); }},
      {"AfterAClickInTheScaleColumn", [](const GradingWindow& w) { ClickCell(w, 3, 2); }},
      {"AfterEscape",
       [](const GradingWindow& w) {
         TypeEntry(w, 8, "7");
         ClickCell(w, 3, 1);
         QTest::keyClick(Editor(w), Qt::Key_Escape);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProgramScope program;
    auto w = program.window();
    row.leave_the_edit(w);
    ASSERT_EQ(Editor(w), nullptr);
    ASSERT_EQ(QApplication::focusWidget(), View(w));
    const std::vector<std::string> entries = Column(w, 1), results = Results(w);
    const std::pair<int, int> current = CurrentCell(w);
    const std::vector<std::pair<int, int>> selected = SelectedCells(w);

    QTest::keyClick(View(w), Qt::Key_7);

    EXPECT_EQ(Column(w, 1), entries);
    EXPECT_EQ(Results(w), results);
    EXPECT_EQ(CurrentCell(w), current);
    EXPECT_EQ(SelectedCells(w), selected);
    EXPECT_EQ(Editor(w), nullptr);
  }
}

TEST(GradingWindowKeys, OnTheFocusedTableF2AndReturnActAsAClickOnTheCurrentCell) {
  constexpr int kRow = 3;
  const auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return [k, modifiers](const GradingWindow&) {
      QWidget* focus = QApplication::focusWidget();
      ASSERT_NE(focus, nullptr);
      QTest::keyClick(focus, k, modifiers);
    };
  };
  const auto escape = key(Qt::Key_Escape), tab = key(Qt::Key_Tab);
  const auto shift_tab = key(Qt::Key_Backtab, Qt::ShiftModifier);
  const auto choose_gained = [](const GradingWindow& w) {
    ASSERT_EQ(QApplication::focusWidget(), WidgetOf(*w->gradingTypePop()));
    ChooseMode(w, 1);
  };
  const std::vector<std::string> lost_5{"95.00%", "95/100", "5"};
  const std::vector<std::string> untouched{"100.00%", "100/100", "0"};
  struct Row {
    const char* name;
    std::vector<std::function<void(const GradingWindow&)>> leave;  // the edit of row kRow
    Qt::Key key;
    int edited_row;  // -1: no edit opens
    std::vector<std::string> results;
  };
  const Row rows[] = {
      {"EscapeThenF2", {escape}, Qt::Key_F2, kRow, lost_5},
      {"EscapeThenReturn", {escape}, Qt::Key_Return, kRow, lost_5},
      {"ShiftTabFromTheTotalThenF2", {tab, shift_tab}, Qt::Key_F2, kRow, lost_5},
      {"ShiftTabFromTheTotalThenReturn", {tab, shift_tab}, Qt::Key_Return, kRow, lost_5},
      {"KeyboardChoiceInThePopUpThenF2", {tab, tab, tab, choose_gained, tab}, Qt::Key_F2, kRow,
       {"5.00%", "5/100", "95"}},
      {"EscapeDownThenF2", {escape, key(Qt::Key_Down)}, Qt::Key_F2, kRow + 1, lost_5},
      {"F2OnAProblemNumberOpensNothing", {escape, key(Qt::Key_Left)}, Qt::Key_F2, -1, untouched},
      {"ReturnOnAProblemNumberOpensNothing", {escape, key(Qt::Key_Left)}, Qt::Key_Return, -1,
       untouched},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProgramScope program;
    auto w = program.window();
    ClickCell(w, kRow, 1);
    ASSERT_EQ(EditedCell(w), std::make_pair(kRow, 1));
    for (const auto& step : row.leave) step(w);
    ASSERT_EQ(Editor(w), nullptr);
    ASSERT_EQ(QApplication::focusWidget(), View(w));

    QTest::keyClick(View(w), row.key);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);

    EXPECT_EQ(EditedCell(w),
              row.edited_row < 0 ? std::make_pair(-1, -1) : std::make_pair(row.edited_row, 1));
    std::vector<std::string> entries(kRows, "0");
    if (row.edited_row >= 0) entries[static_cast<std::size_t>(row.edited_row)] = "05";
    EXPECT_EQ(Column(w, 1), entries);
    EXPECT_EQ(Results(w), row.results);
  }
}

TEST(GradingWindowKeys, TheFocusedTableFramesItsCurrentCell) {
  ProgramScope program;
  auto w = program.window();
  ClickCell(w, 3, 1);
  QTableView* view = View(w);
  // A frame in one of the desktop's selection colours on the cell's edge, unlike its inside.
  const auto framed = [view](int row, int column) {
    const QImage image = view->viewport()->grab().toImage();
    const QRect cell = view->visualRect(view->model()->index(row, column));
    const QColor edge = image.pixelColor(cell.left(), cell.center().y());
    const QColor inside = image.pixelColor(cell.left() + 2, cell.center().y());
    return edge != inside && (edge == view->palette().color(QPalette::Highlight) ||
                              edge == view->palette().color(QPalette::HighlightedText));
  };

  QTest::keyClick(Editor(w), Qt::Key_Escape);
  ASSERT_EQ(QApplication::focusWidget(), view);
  EXPECT_TRUE(framed(3, 1));

  QTest::keyClick(view, Qt::Key_Down);
  QTest::keyClick(view, Qt::Key_Left);
  ASSERT_EQ(CurrentCell(w), std::make_pair(4, 0));
  EXPECT_TRUE(framed(4, 0)) << "on the row the arrow selected";
  EXPECT_FALSE(framed(3, 1));

  QTest::keyClick(view, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), TotalField(w));
  EXPECT_FALSE(framed(4, 0)) << "only the focused table shows its current cell";
}

TEST(GradingWindowKeys, AKeyTypedIntoACellScrolledOutOfViewBringsItBackFirst) {
  ProgramScope program;
  auto w = program.window();
  QTableView* view = View(w);
  QPointer<QLineEdit> editor = Editor(w);
  ASSERT_TRUE(editor);
  const QModelIndex edited = view->model()->index(0, 1);
  for (int notch = 0; notch < 10 && view->viewport()->rect().intersects(view->visualRect(edited));
       ++notch) {
    const QPointF at = view->viewport()->rect().center();
    QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->viewport(), &wheel);
  }
  ASSERT_FALSE(view->viewport()->rect().intersects(view->visualRect(edited)));
  ASSERT_EQ(Editor(w), editor.data());

  QTest::keyClick(editor, Qt::Key_5);

  EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(edited)));
  ASSERT_TRUE(editor);
  EXPECT_EQ(Editor(w), editor.data());
  EXPECT_EQ(editor->geometry(), view->visualRect(edited));
  EXPECT_EQ(w->LabBox()->Cell(0, 1), "5");
  EXPECT_EQ(Results(w), (std::vector<std::string>{"95.00%", "95/100", "5"}));
}

TEST(GradingWindowKeys, AHeldKeyIsForgottenWhenTheApplicationDeactivates) {
  ProgramScope program;
  auto w = program.window();
  w->LabBox()->EditCell(5, 1);
  QTest::keyPress(Editor(w), Qt::Key_Up);
  ASSERT_EQ(EditedCell(w), std::make_pair(4, 1));

  QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
  QCoreApplication::sendEvent(qApp, &inactive);
  QTest::keyClick(Editor(w), Qt::Key_7);

  EXPECT_EQ(EditedCell(w), std::make_pair(4, 1));
  EXPECT_EQ(w->LabBox()->Cell(4, 1), "7");
  EXPECT_EQ(w->LabBox()->Cell(3, 1), "0");
  QTest::keyRelease(Editor(w), Qt::Key_Up);
}

TEST(GradingWindowClicks, OnlyTheEntryColumnStartsAnEdit) {
  constexpr int kRow = 3;
  for (int column = 0; column < 4; ++column) {
    SCOPED_TRACE("column " + std::to_string(column));
    ProgramScope program;
    auto w = program.window();
    const std::vector<std::string> results = Results(w);
    ClickCell(w, kRow, column);
    if (column == 1) {
      EXPECT_EQ(EditedCell(w), std::make_pair(kRow, 1));
      EXPECT_EQ(CurrentCell(w), std::make_pair(kRow, 1));
      ASSERT_NE(Editor(w), nullptr);
      EXPECT_EQ(Editor(w)->selectedText(), "");
      EXPECT_EQ(Editor(w)->cursorPosition(), 1);
    } else {
      EXPECT_NE(EditedCell(w).first, kRow);
    }
    EXPECT_EQ(Results(w), results);
  }
}

TEST(GradingWindowClicks, AHeadingClickLeavesTheRowsInOrder) {
  ProgramScope program;
  auto w = program.window();
  TypeEntry(w, 1, "5");
  std::vector<std::string> numbers;
  for (int r = 1; r <= kRows; ++r) numbers.push_back(std::to_string(r));
  QHeaderView* header = View(w)->horizontalHeader();
  for (int column = 0; column < 4; ++column) {
    SCOPED_TRACE("heading " + std::to_string(column));
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::processEvents();
    EXPECT_EQ(Column(w, 0), numbers);
    EXPECT_EQ(w->LabBox()->Cell(1, 1), "5");
  }
}

TEST(GradingWindowEditing, RecalculatingOnEachKeystrokeKeepsTheEditorsCursorAndUndo) {
  ProgramScope program;
  auto w = program.window();
  QPointer<QLineEdit> editor = Editor(w);
  ASSERT_TRUE(editor);
  QTest::keyClicks(editor, "12");
  QCoreApplication::processEvents();  // the cells written by the calculation reach the view

  ASSERT_TRUE(editor);
  EXPECT_EQ(Editor(w), editor.data());
  EXPECT_EQ(editor->text(), "12");
  EXPECT_EQ(editor->cursorPosition(), 2);
  EXPECT_TRUE(editor->isUndoAvailable());
  EXPECT_EQ(Results(w), (std::vector<std::string>{"88.00%", "88/100", "12"}));
  EXPECT_EQ(w->LabBox()->Cell(99, 3), "1.00%");
  EXPECT_TRUE(program.reports().empty());

  QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(editor->text(), "0");
  EXPECT_EQ(w->LabBox()->Cell(0, 1), "0");
  EXPECT_EQ(Results(w), (std::vector<std::string>{"100.00%", "100/100", "0"}));
}

TEST(GradingWindowEditing, CommandKeysEditTheFieldAndNeverMoveTheEdit) {
  const Qt::Key ctrl_a = Qt::Key_A, ctrl_c = Qt::Key_C, ctrl_x = Qt::Key_X, ctrl_v = Qt::Key_V,
                ctrl_z = Qt::Key_Z, ctrl_m = Qt::Key_M, ctrl_r = Qt::Key_R;
  const std::vector<std::string> untouched{"100.00%", "100/100", "0"};
  struct Row {
    const char* name;
    Field field;
    const char* typed;
    bool select_all;
    std::vector<Qt::Key> chords;  // each with Ctrl
    EditOutcome expected;
  };
  const Row rows[] = {
      {"CellSelectAllAndCopy", Field::kCell, nullptr, false, {ctrl_a, ctrl_c},
       {"0", "0", kEditRow, untouched}},
      {"CellCut", Field::kCell, "12", true, {ctrl_x}, {"", "12", kEditRow, untouched}},
      {"CellPaste", Field::kCell, "12", true, {ctrl_c, ctrl_a, ctrl_v, ctrl_v},
       {"1212", "12", kEditRow, {"-1112.00%", "-1112/100", "1212"}}},
      {"CellUndo", Field::kCell, "12", false, {ctrl_z}, {"0", "x", kEditRow, untouched}},
      {"CellCtrlMTypesNothing", Field::kCell, "12", false, {ctrl_m},
       {"12", "x", kEditRow, {"88.00%", "88/100", "12"}}},
      {"CellCtrlRResetsAndEditsTheFirstEntry", Field::kCell, "12", false, {ctrl_r},
       {"0", "x", 0, untouched}},
      {"TotalSelectAllAndCopy", Field::kTotal, nullptr, false, {ctrl_a, ctrl_c},
       {"100", "100", -1, untouched}},
      {"TotalCut", Field::kTotal, "50", true, {ctrl_x}, {"", "50", -1, {"NaN%", "0/0", "0"}}},
      {"TotalPaste", Field::kTotal, "50", true, {ctrl_c, ctrl_v, ctrl_v},
       {"5050", "50", -1, {"100.00%", "5050/5050", "0"}}},
      {"TotalUndo", Field::kTotal, "50", false, {ctrl_z}, {"100", "x", -1, untouched}},
      {"TotalCtrlMTypesNothing", Field::kTotal, "50", false, {ctrl_m},
       {"50", "x", -1, {"100.00%", "50/50", "0"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProgramScope program;
    auto w = program.window();
    QPointer<QLineEdit> line = StartEdit(w, row.field, row.typed, row.select_all);
    ASSERT_TRUE(line);
    for (const Qt::Key chord : row.chords) {
      ASSERT_TRUE(line);
      sw_test::ClickCtrlChord(line, chord);
    }
    ExpectOutcome(w, row.field, line, row.expected);
  }
}

TEST(GradingWindowEditing, EditMenuItemsActOnTheCellAndOnTheTotal) {
  const std::vector<std::string> untouched{"100.00%", "100/100", "0"};
  struct Row {
    const char* name;
    Field field;
    const char* item;
    bool select_all;  // after typing "12" into the cell, "50" into the total
    EditOutcome expected;
  };
  const Row rows[] = {
      {"CellUndo", Field::kCell, "EditUndo", false, {"0", "x", kEditRow, untouched}},
      {"CellCopy", Field::kCell, "EditCopy", true,
       {"12", "12", kEditRow, {"88.00%", "88/100", "12"}}},
      {"CellDelete", Field::kCell, "EditClear", true, {"", "x", kEditRow, untouched}},
      {"TotalUndo", Field::kTotal, "EditUndo", false, {"100", "x", -1, untouched}},
      {"TotalCopy", Field::kTotal, "EditCopy", true, {"50", "50", -1, {"100.00%", "50/50", "0"}}},
      {"TotalDelete", Field::kTotal, "EditClear", true, {"", "x", -1, {"NaN%", "0/0", "0"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProgramScope program;
    auto w = program.window();
    auto* menu = QtWindowOf(*w)->menuBar()->findChild<QMenu*>("EditMenu");
    ASSERT_NE(menu, nullptr);
    QAction* action = nullptr;
    for (QAction* a : menu->actions()) {
      if (a->objectName() == row.item) action = a;
    }
    ASSERT_NE(action, nullptr);
    QPointer<QLineEdit> line =
        StartEdit(w, row.field, row.field == Field::kCell ? "12" : "50", row.select_all);
    ASSERT_TRUE(line);

    action->trigger();

    ExpectOutcome(w, row.field, line, row.expected);
  }
}

TEST(GradingWindowEditing, APastedEntryLongerThanAnyLineEditLimitIsKeptWholeAndCalculated) {
  ProgramScope program;
  auto w = program.window();
  const std::string entry = std::string(39999, '0') + "7";
  QGuiApplication::clipboard()->setText(QString::fromStdString(entry));
  QLineEdit* editor = Editor(w);
  ASSERT_NE(editor, nullptr);
  ASSERT_EQ(editor->selectedText(), "0");

  sw_test::ClickCtrlChord(editor, Qt::Key_V);

  EXPECT_EQ(editor->text().size(), 40000);
  const std::string stored = w->LabBox()->Cell(0, 1);
  EXPECT_EQ(stored.size(), entry.size());
  EXPECT_TRUE(stored == entry);
  EXPECT_EQ(Results(w), (std::vector<std::string>{"93.00%", "93/100", "7"}));
}

TEST(GradingWindowEditing, TheEditedCellShowsAFrameInTheHighlightColourAndItsTextStaysPut) {
  ProgramScope program;
  auto w = program.window();
  constexpr int kRow = 3;  // an odd row: white, as the reference row 5 below
  w->LabBox()->EditCell(kRow, 1);
  QLineEdit* editor = Editor(w);
  ASSERT_NE(editor, nullptr);
  ASSERT_FALSE(editor->hasSelectedText());
  QTableView* view = View(w);
  const QImage image = view->viewport()->grab().toImage();
  const auto cell_rect = [&](int row, int column) {
    return view->visualRect(view->model()->index(row, column));
  };
  const QRect edited = cell_rect(kRow, 1);
  ASSERT_EQ(editor->geometry(), edited);

  const QColor highlight = view->palette().color(QPalette::Highlight);
  const std::vector<int> frame{highlight.red(), highlight.green(), highlight.blue()};
  const QPoint c = edited.center();
  for (const QPoint& at : {QPoint(edited.left(), c.y()), QPoint(edited.left() + 1, c.y()),
                           QPoint(edited.right(), c.y()), QPoint(edited.right() - 1, c.y()),
                           QPoint(c.x(), edited.top()), QPoint(c.x(), edited.top() + 1),
                           QPoint(c.x(), edited.bottom()), QPoint(c.x(), edited.bottom() - 1)}) {
    EXPECT_EQ(PixelAt(image, at.x(), at.y()), frame) << at.x() << "," << at.y();
  }

  // The cells around keep their colours, up to their edges.
  const std::vector<int> blue_grey{238, 243, 254}, white{255, 255, 255};
  EXPECT_EQ(PixelAt(image, c.x(), cell_rect(kRow - 1, 1).bottom()), blue_grey);
  EXPECT_EQ(PixelAt(image, c.x(), cell_rect(kRow + 1, 1).top()), blue_grey);
  EXPECT_EQ(PixelAt(image, cell_rect(kRow, 0).right() - 1, c.y()), white);
  EXPECT_EQ(PixelAt(image, cell_rect(kRow, 2).left(), c.y()), white);

  // The editor shows its "0" pixel for pixel where row 5 draws its own "0", left of the caret.
  ASSERT_EQ(w->LabBox()->Cell(5, 1), "0");
  const QRect reference = cell_rect(5, 1);
  const int caret = editor->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
  ASSERT_GT(caret, 6);
  int differing = 0, ink = 0;
  for (int y = 2; y < edited.height() - 2; ++y) {
    for (int x = 2; x < caret; ++x) {
      const QColor in_editor = image.pixelColor(edited.topLeft() + QPoint(x, y));
      const QColor in_cell = image.pixelColor(reference.topLeft() + QPoint(x, y));
      if (in_editor != in_cell) ++differing;
      if (in_cell.lightness() < 128) ++ink;
    }
  }
  EXPECT_GT(ink, 0) << "the compared area holds the digit";
  EXPECT_EQ(differing, 0);
}

TEST(GradingWindowEditing, TheEditSurvivesTheWindowLosingActivation) {
  ProgramScope program;
  auto w = program.window();
  QPointer<QLineEdit> editor = Editor(w);
  ASSERT_TRUE(editor);
  QTest::keyClicks(editor, "3");

  QFocusEvent focus_out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QCoreApplication::sendEvent(editor, &focus_out);
  ASSERT_TRUE(editor);
  EXPECT_EQ(Editor(w), editor.data());
  EXPECT_EQ(editor->text(), "3");

  fw::MsgBox("Saved");
  ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMessageBox*>(QApplication::activeWindow()); }));
  QCoreApplication::processEvents();
  ASSERT_TRUE(editor);
  EXPECT_EQ(Editor(w), editor.data());
  EXPECT_EQ(editor->text(), "3");
  EXPECT_EQ(EditedCell(w), std::make_pair(0, 1));
  EXPECT_EQ(w->LabBox()->Cell(0, 1), "3");
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(top)) box->close();
  }
}

TEST(GradingWindowEditing, TheEditGoesOnAfterTheMenuBarHadTheKeyboard) {
  const auto escape_to_the_focus = [] {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Escape);
  };
  struct Row {
    const char* name;
    std::function<void(QLineEdit* editor)> to_the_menu_bar_and_back;
  };
  const Row rows[] = {
      {"AltTappedThenEscape",
       [&](QLineEdit* editor) {
         sw_test::TapModifier(editor, Qt::Key_Alt);
         ASSERT_TRUE(qobject_cast<QMenuBar*>(QApplication::focusWidget()));
         escape_to_the_focus();
       }},
      {"MnemonicThenEscapeFromTheMenuAndTheBar",
       [&](QLineEdit* editor) {
         // An open menu grabs the keyboard, which the offscreen platform cannot do.
         sw_test::ExpectQtWarning("This plugin does not support grabbing the keyboard");
         QTest::keyClick(editor, Qt::Key_F, Qt::AltModifier);
         ASSERT_TRUE(QTest::qWaitFor(
             [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
         QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
         ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }));
         if (qobject_cast<QMenuBar*>(QApplication::focusWidget())) escape_to_the_focus();
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProgramScope program;
    auto w = program.window();
    QPointer<QLineEdit> editor = Editor(w);
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, "12");
    QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(editor->selectedText(), "2");

    row.to_the_menu_bar_and_back(editor);

    ASSERT_TRUE(editor);
    EXPECT_EQ(Editor(w), editor.data());
    EXPECT_EQ(QApplication::focusWidget(), editor.data());
    EXPECT_EQ(editor->selectedText(), "2");
    QTest::keyClick(editor, Qt::Key_5);
    EXPECT_EQ(EditedCell(w), std::make_pair(0, 1));
    EXPECT_EQ(w->LabBox()->Cell(0, 1), "15");
    EXPECT_EQ(Results(w), (std::vector<std::string>{"85.00%", "85/100", "15"}));
    sw_test::ClickCtrlChord(editor, Qt::Key_Z);
    EXPECT_EQ(editor->text(), "12") << "the undo history reaches back past the menu bar";
  }
}

TEST(GradingWindowEditing, AClickElsewhereWhileTheMenuBarHasTheKeyboardEndsTheEdit) {
  ProgramScope program;
  auto w = program.window();
  QPointer<QLineEdit> editor = Editor(w);
  ASSERT_TRUE(editor);
  QTest::keyClicks(editor, "7");
  sw_test::TapModifier(editor, Qt::Key_Alt);
  ASSERT_TRUE(qobject_cast<QMenuBar*>(QApplication::focusWidget()));

  QTest::mouseClick(TotalField(w), Qt::LeftButton);

  EXPECT_EQ(QApplication::focusWidget(), TotalField(w));
  EXPECT_EQ(Editor(w), nullptr);
  EXPECT_EQ(w->LabBox()->Cell(0, 1), "7");
}

TEST(GradingWindowReset, ClearsTheEntriesKeepsTotalAndModeAndEditsTheFirstEntry) {
  struct Row {
    const char* name;
    std::function<void(const GradingWindow&)> reset;
  };
  const Row rows[] = {
      {"ResetButtonClicked",
       [](const GradingWindow& w) {
         QTest::mouseClick(WidgetOf(*w->resetButton()), Qt::LeftButton);
       }},
      {"MenuItemChosen",
       [](const GradingWindow&) {
         ProgramScope::MenuItemNamed("ResetResetfornextstudent")->Choose();
       }},
      {"MenuHandlerCalled",
       [](const GradingWindow& w) { EXPECT_TRUE(w->_ResetResetfornextstudent_Action()); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProgramScope program;
    auto w = program.window();
    TypeTotal(w, "50");
    ChooseMode(w, 1);
    TypeEntry(w, 0, "3");
    TypeEntry(w, 1, "4");
    // The last entry is left being edited on the last row.
    w->LabBox()->EditCell(99, 1);
    Editor(w)->selectAll();
    QTest::keyClicks(Editor(w), "5");
    ASSERT_EQ(w->pointsLabel()->Text(), "12/50");
    QCoreApplication::processEvents();  // the typed entries reach the view
    QSignalSpy changed(View(w)->model(), &QAbstractItemModel::dataChanged);

    row.reset(w);

    EXPECT_EQ(w->totalPoints()->Text(), "50");
    EXPECT_EQ(w->gradingTypePop()->ListIndex(), 1);
    EXPECT_EQ(Column(w, 1), std::vector<std::string>(kRows, "0"));
    EXPECT_EQ(Results(w), (std::vector<std::string>{"0.00%", "0/50", "50"}));
    EXPECT_EQ(EditedCell(w), std::make_pair(0, 1));
    EXPECT_EQ(CurrentCell(w), std::make_pair(0, 1));
    ASSERT_NE(Editor(w), nullptr);
    EXPECT_EQ(Editor(w)->text(), "0");
    EXPECT_EQ(Editor(w)->selectedText(), "");
    QCoreApplication::processEvents();
    for (const int r : {0, 1, 99}) EXPECT_TRUE(Announced(changed, r, 1)) << "row " << r;

    // A single entry cleared: 3 typed into problem 5 and left with Return.
    TypeEntry(w, 4, "3");
    QTest::keyClick(Editor(w), Qt::Key_Return);
    ASSERT_EQ(EditedCell(w), std::make_pair(5, 1));
    QCoreApplication::processEvents();
    changed.clear();
    row.reset(w);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->LabBox()->Cell(4, 1), "0");
    EXPECT_TRUE(Announced(changed, 4, 1)) << "problem 5 would keep showing 3";
  }
}

TEST(GradingWindowAccessibility, EachInputAndResultIsKnownByTheWordsBesideIt) {
  ProgramScope program;
  auto w = program.window();
  struct Row {
    const char* what;
    QWidget* widget;
    QString name, description;
    QWidget* labelled_by;  // nullptr: no caption beside it
  };
  const Row rows[] = {
      {"total field", WidgetOf(*w->totalPoints()), "Assignment Points", "",
       WidgetOf(*w->Label12())},
      {"score table", WidgetOf(*w->LabBox()), "Score table", "", nullptr},
      {"percentage", WidgetOf(*w->percentageLabel()), "100.00%", "Percentage",
       WidgetOf(*w->Label6())},
      {"points lost", WidgetOf(*w->lostLabel()), "0", "Points Lost", WidgetOf(*w->Label13())},
      {"points", WidgetOf(*w->pointsLabel()), "100/100", "Points", WidgetOf(*w->Label8())},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(row.widget);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), row.name);
    EXPECT_EQ(accessible->text(QAccessible::Description), row.description);
    std::vector<QObject*> labels;
    for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
      labels.push_back(label->object());
    }
    EXPECT_EQ(labels,
              row.labelled_by ? std::vector<QObject*>{row.labelled_by} : std::vector<QObject*>{});
  }
  EXPECT_EQ(w->Label12()->Text(), "Assignment Points:") << "the caption itself is unchanged";
}

TEST(GradingWindowLayout, BarsCellsAndStackingOnScreenAndTheLocksOnResize) {
  ProgramScope program;
  auto w = program.window();
  QWidget* content = ContentAreaOf(*w);
  const QImage image = content->grab().toImage();
  const std::vector<int> dark_blue{7, 63, 128}, teal{16, 127, 128}, grey{102, 102, 102};
  EXPECT_EQ(PixelAt(image, 250, 10), dark_blue);
  EXPECT_EQ(PixelAt(image, 600, 10), teal);
  EXPECT_EQ(PixelAt(image, 500, 150), grey) << "over the table's last pixel column";
  EXPECT_EQ(PixelAt(image, 500, 232), grey);
  EXPECT_EQ(PixelAt(image, 500, 320), grey);
  EXPECT_EQ(PixelAt(image, 600, 166), grey) << "over the top of the percentage";

  QTableView* view = View(w);
  auto pixel_in_cell = [&](int row, int column, int from_right) {
    const QRect cell = view->visualRect(view->model()->index(row, column));
    const QPoint at = view->viewport()->mapTo(content, QPoint(cell.right() - from_right, cell.center().y()));
    return PixelAt(image, at.x(), at.y());
  };
  EXPECT_EQ(pixel_in_cell(0, 0, 3), (std::vector<int>{238, 243, 254}));
  EXPECT_EQ(pixel_in_cell(0, 2, 3), (std::vector<int>{240, 240, 240}));
  EXPECT_EQ(pixel_in_cell(1, 0, 3), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(pixel_in_cell(1, 2, 3), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(pixel_in_cell(1, 2, 0), (std::vector<int>{230, 230, 230})) << "the divider";

  // Each result drawn in its own colour.
  struct Result {
    const char* what;
    fw::Ref<fw::Label> label;
    std::vector<int> colour;
  };
  const Result results[] = {
      {"percentage", w->percentageLabel(), {16, 127, 64}},
      {"points lost", w->lostLabel(), {251, 1, 6}},
      {"points", w->pointsLabel(), {0, 0, 0}},
  };
  for (const Result& result : results) {
    SCOPED_TRACE(result.what);
    EXPECT_EQ(TextColour(WidgetOf(*result.label)), result.colour);
  }

  EXPECT_EQ(content->childAt(600, 23), WidgetOf(*w->Label10()));
  EXPECT_NE(content->childAt(600, 10), WidgetOf(*w->Label10())) << "under the teal bar";

  const QFont font = WidgetOf(*w->percentageLabel())->font();
  EXPECT_TRUE(QFontDatabase::families().contains(QFontInfo(font).family()))
      << QFontInfo(font).family().toStdString();

  std::map<std::string, QRect> before;
  for (const auto& control : w->Controls())
    before[control->Name()] = WidgetOf(*control)->geometry();
  QMainWindow* qt_window = QtWindowOf(*w);
  qt_window->resize(qt_window->size() + QSize(100, 50));
  ASSERT_TRUE(QTest::qWaitFor([&] { return content->size() == QSize(880, 450); }));
  for (const auto& control : w->Controls()) {
    const std::string name = control->Name();
    SCOPED_TRACE(name);
    QRect expected = before[name];
    if (name == "Rectangle3" || name == "Rectangle4" || name == "Rectangle5" || name == "Rectangle6") {
      expected.setWidth(380);
    } else if (name == "LabBox") {
      expected.setHeight(427);
    }
    EXPECT_EQ(WidgetOf(*control)->geometry(), expected);
  }

  EXPECT_EQ(qt_window->minimumSize() - QSize(0, qt_window->menuBar()->height()), QSize(780, 400));
  const QSize enlarged = qt_window->size();
  qt_window->resize(300, 200);
  ASSERT_TRUE(QTest::qWaitFor([&] { return qt_window->size() != enlarged; }));
  EXPECT_EQ(content->size(), QSize(780, 400));
}

}  // namespace
