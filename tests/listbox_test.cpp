#include "framework/listbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/graphics.h"
#include "framework/window.h"
#include "tests/support/change_notices.h"
#include "tests/support/keys.h"
#include "tests/support/runtime_scope.h"

namespace {

using fw::Ref;
using sw_test::Announced;

// A window with one list, "Scores", of three columns; each handler records what it saw and
// answers as the test says.
class ListWindow : public fw::Window {
 public:
  static constexpr const char* kClassName = "ListWindow";
  std::string ClassName() const override { return kClassName; }

  std::string initial_value = "alpha\t1\t\nbeta\t2\t\ngamma\t3\t\ndelta\t4\t";
  std::function<bool(std::int64_t row, std::int64_t column, const std::string& key)> key_down;
  std::function<bool(std::int64_t row, std::int64_t column, std::int64_t x, std::int64_t y)> cell_click;
  std::function<bool(std::int64_t column)> sort_column;
  std::function<void(const Ref<fw::Graphics>& g, std::int64_t row, std::int64_t column)> paint;
  std::function<void()> opened;

  Ref<fw::Listbox> list;
  std::vector<std::string> keys;
  std::vector<std::string> text_changes;  // "row,column:the cell's text at that moment"
  std::vector<std::int64_t> sorts;

  void Layout() { fw::_SetProperties(fw::SelfRef(this), {{"Width", 400}, {"Height", 300}}); }

  void CreateControls() {
    list = __New<fw::Listbox>();
    list->Constructor();
    _AddControl("Scores", list);
    fw::_SetProperties(list, {{"Left", 10}, {"Top", 10}, {"Width", 300}, {"Height", 200},
                              {"ColumnCount", 3}, {"ColumnWidths", ""}, {"HasHeading", true},
                              {"InitialValue", initial_value}, {"DefaultRowHeight", 20},
                              {"Border", true}, {"ScrollBarVertical", true},
                              {"ScrollBarHorizontal", false}, {"AutoHideScrollbars", true},
                              {"HeadingIndex", -1}, {"TextFont", "System"}, {"TextSize", 0}});
    list->AddHandler("Open", fw::Bind(this, &ListWindow::Opened));
    list->AddHandler("CellKeyDown", fw::Bind(this, &ListWindow::CellKeyDown));
    list->AddHandler("CellTextChange", fw::Bind(this, &ListWindow::CellTextChange));
    list->AddHandler("CellClick", fw::Bind(this, &ListWindow::CellClick));
    list->AddHandler("SortColumn", fw::Bind(this, &ListWindow::SortColumn));
    list->AddHandler("CellBackgroundPaint", fw::Bind(this, &ListWindow::CellBackgroundPaint));
  }

  void Opened(Ref<fw::Listbox>) {
    if (opened) opened();
  }
  bool CellKeyDown(Ref<fw::Listbox>, std::int64_t row, std::int64_t column, std::string key) {
    keys.push_back(key);
    return key_down ? key_down(row, column, key) : false;
  }
  void CellTextChange(Ref<fw::Listbox> me, std::int64_t row, std::int64_t column) {
    text_changes.push_back(std::to_string(row) + "," + std::to_string(column) + ":" + me->Cell(row, column));
  }
  bool CellClick(Ref<fw::Listbox>, std::int64_t row, std::int64_t column, std::int64_t x, std::int64_t y) {
    return cell_click ? cell_click(row, column, x, y) : false;
  }
  bool SortColumn(Ref<fw::Listbox>, std::int64_t column) {
    sorts.push_back(column);
    return sort_column ? sort_column(column) : false;
  }
  bool CellBackgroundPaint(Ref<fw::Listbox>, Ref<fw::Graphics> g, std::int64_t row, std::int64_t column) {
    if (paint) paint(g, row, column);
    return false;
  }

  // Handlers of the wrong shape for CellKeyDown.
  bool KeyDownWithoutKey(Ref<fw::Listbox>, std::int64_t, std::int64_t) { return false; }
  void KeyDownWithoutResult(Ref<fw::Listbox>, std::int64_t, std::int64_t, std::string) {}
};

fw::ClassDescription DescribeListWindow() {
  return {"ListWindow",
          "ListWindowTest.ListWindow",
          {{"Layout", [](fw::Object& w) { static_cast<ListWindow&>(w).Layout(); }},
           {"CreateControls", [](fw::Object& w) { static_cast<ListWindow&>(w).CreateControls(); }}}};
}

const bool registered = fw::RegisterProgramClass({typeid(ListWindow), &DescribeListWindow});

Ref<ListWindow> OpenWindow(const std::function<void(ListWindow&)>& setup = {}) {
  auto window = fw::New<ListWindow>();
  if (setup) setup(*window);
  window->Constructor();
  EXPECT_TRUE(QTest::qWaitForWindowActive(fw::testing::QtWindowOf(*window)));
  QCoreApplication::processEvents();  // the list's queued writes reach the view
  return window;
}

QTableView* ViewOf(const Ref<ListWindow>& window) { return fw::testing::ViewOf(*window->list); }

QLineEdit* EditorOf(const Ref<ListWindow>& window) {
  Ref<fw::TextEdit> active = window->list->ActiveCell();
  return active ? fw::testing::EditorOf(*active) : nullptr;
}

// The row and column of the open editor, or (-1, -1).
std::pair<int, int> EditedCell(const Ref<ListWindow>& window) {
  QLineEdit* editor = EditorOf(window);
  if (!editor) return {-1, -1};
  const QModelIndex index = ViewOf(window)->indexAt(editor->geometry().center());
  return {index.row(), index.column()};
}

QRect CellRect(const Ref<ListWindow>& window, int row, int column) {
  QTableView* view = ViewOf(window);
  return view->visualRect(view->model()->index(row, column));
}

TEST(ListboxTest, ProgramWritesRaiseNoEventAndLeaveTheEditAlone) {
  sw_test::RuntimeScope scope;
  auto window = OpenWindow();
  window->list->EditCell(0, 2);
  QPointer<QLineEdit> editor = EditorOf(window);
  ASSERT_TRUE(editor);
  QTest::keyClicks(editor, "12");
  QTest::keyClick(editor, Qt::Key_Left);
  ASSERT_EQ(editor->cursorPosition(), 1);
  window->text_changes.clear();

  window->list->SetCell(1, 2, "x");
  window->list->SetCell(2, 1, "y");
  window->list->SetCell(0, 2, "12");
  window->list->SetHeading(1, "Points");
  window->list->AddRow("epsilon");
  QCoreApplication::processEvents();

  EXPECT_TRUE(window->text_changes.empty());
  ASSERT_EQ(EditorOf(window), editor.data());
  EXPECT_EQ(editor->text(), "12");
  EXPECT_EQ(editor->cursorPosition(), 1);
  EXPECT_EQ(window->list->Cell(2, 1), "y");
  EXPECT_EQ(window->list->ListCount(), 5);

  ASSERT_TRUE(editor->isUndoAvailable());
  QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(editor->text(), "12");
  EXPECT_EQ(window->list->Cell(0, 2), editor->text().toStdString());
  EXPECT_EQ(window->text_changes.size(), 1u);

  window->list->SetCell(0, 2, "99");
  EXPECT_EQ(editor->text(), "99");
  EXPECT_EQ(window->text_changes.size(), 1u);
}

TEST(ListboxTest, TypingStoresTheCellTextBeforeCellTextChange) {
  sw_test::RuntimeScope scope;
  auto window = OpenWindow();
  window->list->EditCell(1, 1);
  QTest::keyClicks(EditorOf(window), "45");
  EXPECT_EQ(window->text_changes, (std::vector<std::string>{"1,1:24", "1,1:245"}));
}

TEST(ListboxTest, KeysFollowTheCellKeyDownResult) {
  sw_test::RuntimeScope scope;
  enum class Answer { kConsume, kPass, kMoveDownAndPass };
  struct Row {
    const char* name;
    int row;  // the edit starts in this row, column 1
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Answer answer;
    std::string expected_key;
    int expected_edit_row;  // -1: no edit open
    int expected_current_row;
    std::vector<std::string> expected_column;  // column 1, top to bottom
  };
  const std::vector<std::string> unchanged = {"1", "2", "3", "4"};
  const Row rows[] = {
      {"ReturnConsumed", 1, Qt::Key_Return, Qt::NoModifier, Answer::kConsume, "\r", 1, 1, unchanged},
      {"KeypadEnterConsumed", 1, Qt::Key_Enter, Qt::KeypadModifier, Answer::kConsume, "\x03", 1, 1,
       unchanged},
      {"ReturnPassedNeitherClosesNorMoves", 1, Qt::Key_Return, Qt::NoModifier, Answer::kPass, "\r",
       1, 1, unchanged},
      {"UpPassedDoesNotMoveTheView", 2, Qt::Key_Up, Qt::NoModifier, Answer::kPass, "\x1E", 2, 2,
       unchanged},
      {"DownAfterTheHandlerMovedTheEditMovesOnce", 1, Qt::Key_Down, Qt::NoModifier,
       Answer::kMoveDownAndPass, "\x1F", 2, 2, unchanged},
      {"CharacterAfterTheHandlerMovedTheEditLandsInTheNewCell", 1, Qt::Key_7, Qt::NoModifier,
       Answer::kMoveDownAndPass, "7", 2, 2, {"1", "2", "37", "4"}},
      {"CharacterPassedIsTyped", 1, Qt::Key_7, Qt::NoModifier, Answer::kPass, "7", 1, 1,
       {"1", "27", "3", "4"}},
      {"CharacterConsumedIsNotTyped", 1, Qt::Key_7, Qt::NoModifier, Answer::kConsume, "7", 1, 1,
       unchanged},
      {"BackspacePassedIsTyped", 1, Qt::Key_Backspace, Qt::NoModifier, Answer::kPass, "\b", 1, 1,
       {"1", "", "3", "4"}},
      {"EscapeEndsTheEdit", 1, Qt::Key_Escape, Qt::NoModifier, Answer::kPass, "\x1B", -1, 1,
       unchanged},
      {"TabEndsTheEdit", 1, Qt::Key_Tab, Qt::NoModifier, Answer::kPass, "\t", -1, 1, unchanged},
      {"CtrlReturnIsReturn", 1, Qt::Key_Return, Qt::ControlModifier, Answer::kConsume, "\r", 1, 1,
       unchanged},
      {"CtrlKeypadEnterIsEnter", 1, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier,
       Answer::kConsume, "\x03", 1, 1, unchanged},
      {"CtrlDownIsDown", 1, Qt::Key_Down, Qt::ControlModifier, Answer::kMoveDownAndPass, "\x1F", 2,
       2, unchanged},
      {"CtrlUpIsUp", 2, Qt::Key_Up, Qt::ControlModifier, Answer::kPass, "\x1E", 2, 2, unchanged},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto window = OpenWindow();
    ListWindow* w = window.get();
    w->key_down = [w, &row](std::int64_t r, std::int64_t c, const std::string&) {
      if (row.answer == Answer::kMoveDownAndPass) w->list->EditCell(r + 1, c);
      return row.answer == Answer::kConsume;
    };
    w->list->EditCell(row.row, 1);
    QPointer<QLineEdit> first = EditorOf(window);
    ASSERT_TRUE(first);
    QTest::keyClick(first, row.key, row.modifiers);

    EXPECT_EQ(w->keys, std::vector<std::string>{row.expected_key});
    EXPECT_EQ(EditedCell(window), std::make_pair(row.expected_edit_row, row.expected_edit_row < 0 ? -1 : 1));
    EXPECT_EQ(ViewOf(window)->currentIndex().row(), row.expected_current_row);
    std::vector<std::string> column;
    for (int r = 0; r < 4; ++r) column.push_back(w->list->Cell(r, 1));
    EXPECT_EQ(column, row.expected_column);
    window->Close();
  }
}

TEST(ListboxTest, ChordsOfTheCommandKeyAndACharacterGoToTheEditorNeverToCellKeyDown) {
  sw_test::RuntimeScope scope;
  auto window = OpenWindow();
  ListWindow* w = window.get();
  w->key_down = [](std::int64_t, std::int64_t, const std::string&) { return true; };
  w->list->EditCell(1, 1);
  QPointer<QLineEdit> editor = EditorOf(window);
  ASSERT_TRUE(editor);
  QGuiApplication::clipboard()->setText("9");
  struct Step {
    const char* name;
    Qt::Key key;
    const char* text;  // the editor's and the cell's text afterwards
    const char* clipboard;
  };
  const Step steps[] = {
      {"SelectAll", Qt::Key_A, "2", "9"},
      {"Copy", Qt::Key_C, "2", "2"},
      {"Cut", Qt::Key_X, "", "2"},
      {"Paste", Qt::Key_V, "2", "2"},
      {"Undo", Qt::Key_Z, "", "2"},
      {"CtrlMWhoseTextIsReturn", Qt::Key_M, "", "2"},
      {"CtrlAlone", Qt::Key_Control, "", "2"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    ASSERT_TRUE(editor);
    sw_test::ClickCtrlChord(editor, step.key);
    EXPECT_TRUE(EditorOf(window) == editor.data());
    EXPECT_EQ(EditedCell(window), std::make_pair(1, 1));
    EXPECT_EQ(ViewOf(window)->currentIndex().row(), 1);
    EXPECT_EQ(editor->text().toStdString(), step.text);
    EXPECT_EQ(w->list->Cell(1, 1), step.text);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), step.clipboard);
  }
  EXPECT_EQ(w->keys, std::vector<std::string>{});
  EXPECT_EQ(w->text_changes, (std::vector<std::string>{"1,1:", "1,1:2", "1,1:"}));

  QTest::keyClick(editor, Qt::Key_7);
  EXPECT_EQ(w->keys, std::vector<std::string>{"7"}) << "other keys still reach the handler";
}

TEST(ListboxTest, EditCellOpensTheEditorWithNothingSelected) {
  sw_test::RuntimeScope scope;
  auto window = OpenWindow([](ListWindow& w) {
    w.opened = [&w] {  // before the window is shown, as the grading window does
      w.list->EditCell(0, 1);
      w.list->ActiveCell()->SelectAll();
    };
  });
  QLineEdit* editor = EditorOf(window);
  ASSERT_TRUE(editor);
  EXPECT_EQ(QApplication::focusWidget(), editor);
  EXPECT_EQ(window->list->ActiveCell()->SelText(), "1");

  window->list->EditCell(2, 1);
  Ref<fw::TextEdit> active = window->list->ActiveCell();
  ASSERT_TRUE(active);
  EXPECT_EQ(active->Text(), "3");
  EXPECT_EQ(active->SelLength(), 0);
  EXPECT_EQ(active->SelStart(), 1);
  EXPECT_EQ(QApplication::focusWidget(), fw::testing::EditorOf(*active));
  EXPECT_EQ(ViewOf(window)->currentIndex().row(), 2);

  active->SelectAll();
  EXPECT_EQ(active->SelText(), "3");
  QTest::keyClicks(fw::testing::EditorOf(*active), "8");
  EXPECT_EQ(window->list->Cell(2, 1), "8");
  active->SetText("81");
  EXPECT_EQ(window->list->Cell(2, 1), "81");
  EXPECT_EQ(window->text_changes, std::vector<std::string>{"2,1:8"});

  window->list->EditCell(3, 0);
  EXPECT_EQ(EditedCell(window), std::make_pair(3, 0));
  EXPECT_EQ(window->list->Cell(2, 1), "81");
  EXPECT_THROW(active->Text(), fw::NilObjectException);
}

TEST(ListboxTest, CellClickResultDecidesTheClick) {
  sw_test::RuntimeScope scope;
  struct Row {
    const char* name;
    bool handled;
    std::int64_t cell_type;
    int expected_current_row;
    std::pair<int, int> expected_edit;
  };
  const Row rows[] = {
      {"HandledClickIsConsumed", true, 3, 0, {-1, -1}},
      {"DefaultClickSelectsTheRow", false, 0, 2, {-1, -1}},
      {"DefaultClickEditsAnEditableCell", false, 3, 2, {2, 1}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::int64_t> seen;
    auto window = OpenWindow([&](ListWindow& w) {
      w.cell_click = [&](std::int64_t r, std::int64_t c, std::int64_t x, std::int64_t y) {
        seen = {r, c, x, y};
        return row.handled;
      };
    });
    window->list->SetCellType(2, 1, row.cell_type);
    ViewOf(window)->setCurrentIndex(ViewOf(window)->model()->index(0, 0));
    const QRect cell = CellRect(window, 2, 1);
    QTest::mouseClick(ViewOf(window)->viewport(), Qt::LeftButton, {}, cell.topLeft() + QPoint(5, 3));

    EXPECT_EQ(seen, (std::vector<std::int64_t>{2, 1, 5, 3}));
    EXPECT_EQ(ViewOf(window)->currentIndex().row(), row.expected_current_row);
    EXPECT_EQ(EditedCell(window), row.expected_edit);
    window->Close();
  }
}

TEST(ListboxTest, F2AndReturnOnTheFocusedListClickItsCurrentCell) {
  sw_test::RuntimeScope scope;
  struct Row {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool handled;
    std::int64_t cell_type;
    std::pair<int, int> expected_edit;
  };
  const Row rows[] = {
      {"F2HandledIsLeftToTheHandler", Qt::Key_F2, Qt::NoModifier, true, 3, {-1, -1}},
      {"F2UnhandledEditsAnEditableCell", Qt::Key_F2, Qt::NoModifier, false, 3, {2, 1}},
      {"ReturnUnhandledEditsAnEditableCell", Qt::Key_Return, Qt::NoModifier, false, 3, {2, 1}},
      {"KeypadEnterUnhandledEditsNoOtherCell", Qt::Key_Enter, Qt::KeypadModifier, false, 0,
       {-1, -1}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::int64_t> seen;
    auto window = OpenWindow([&](ListWindow& w) {
      w.cell_click = [&](std::int64_t r, std::int64_t c, std::int64_t x, std::int64_t y) {
        seen = {r, c, x, y};
        return row.handled;
      };
    });
    window->list->SetCellType(2, 1, row.cell_type);
    QTableView* view = ViewOf(window);
    view->setFocus(Qt::TabFocusReason);
    view->setCurrentIndex(view->model()->index(2, 1));
    ASSERT_EQ(QApplication::focusWidget(), view);

    QTest::keyClick(view, row.key, row.modifiers);

    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(std::make_pair(seen[0], seen[1]), std::make_pair(std::int64_t{2}, std::int64_t{1}));
    EXPECT_TRUE(QRect(QPoint(0, 0), CellRect(window, 2, 1).size())
                    .contains(static_cast<int>(seen[2]), static_cast<int>(seen[3])))
        << "a point inside the cell: " << seen[2] << "," << seen[3];
    EXPECT_EQ(EditedCell(window), row.expected_edit);
    EXPECT_TRUE(window->keys.empty());
    window->Close();
  }
}

TEST(ListboxTest, HeadingClickRaisesSortColumn) {
  sw_test::RuntimeScope scope;
  struct Row {
    const char* name;
    bool handled;
    std::vector<std::string> expected_second_column;
  };
  const Row rows[] = {
      {"HandledKeepsTheOrder", true, {"1", "2", "3", "4"}},
      {"DefaultSortsStablyByTheColumn", false, {"2", "4", "1", "3"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto window = OpenWindow([&](ListWindow& w) {
      w.initial_value = "b\t1\na\t2\nb\t3\na\t4";
      w.sort_column = [&](std::int64_t) { return row.handled; };
    });
    QHeaderView* header = ViewOf(window)->horizontalHeader();
    ASSERT_TRUE(header->isVisible());
    const QPoint first(header->sectionViewportPosition(0) + header->sectionSize(0) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, first);

    EXPECT_EQ(window->sorts, std::vector<std::int64_t>{0});
    std::vector<std::string> second;
    for (int r = 0; r < 4; ++r) second.push_back(window->list->Cell(r, 1));
    EXPECT_EQ(second, row.expected_second_column);
    window->Close();
  }
}

TEST(ListboxTest, CellBackgroundPaintDrawsUnderTheText) {
  sw_test::RuntimeScope scope;
  const QColor fill(10, 200, 30), divider(0, 0, 255);
  std::map<std::pair<std::int64_t, std::int64_t>, QSize> sizes;
  Ref<fw::Graphics> kept;
  auto window = OpenWindow([&](ListWindow& w) {
    w.paint = [&](const Ref<fw::Graphics>& g, std::int64_t row, std::int64_t column) {
      sizes[{row, column}] = QSize(static_cast<int>(g->Width()), static_cast<int>(g->Height()));
      g->SetForeColor(fw::RGB(10, 200, 30));
      g->FillRect(0, 0, static_cast<double>(g->Width()), static_cast<double>(g->Height()));
      g->SetForeColor(fw::RGB(0, 0, 255));
      g->DrawLine(static_cast<double>(g->Width() - 1), 0, static_cast<double>(g->Width() - 1),
                  static_cast<double>(g->Height()));
      kept = g;
    };
  });
  ViewOf(window)->setCurrentIndex(ViewOf(window)->model()->index(2, 0));  // a selected row
  const QImage image = ViewOf(window)->viewport()->grab().toImage();

  const QRect empty = CellRect(window, 1, 2);
  EXPECT_EQ(sizes[std::make_pair(std::int64_t{1}, std::int64_t{2})], empty.size());
  // The handler said False: the selected row shows the selection over what it painted.
  const QRect selected = CellRect(window, 2, 2);
  EXPECT_EQ(image.pixelColor(selected.center()),
            ViewOf(window)->palette().color(QPalette::Active, QPalette::Highlight));
  for (int y = empty.top(); y <= empty.bottom(); ++y) {
    SCOPED_TRACE(y);
    EXPECT_EQ(image.pixelColor(empty.left(), y), fill);
    EXPECT_EQ(image.pixelColor(empty.right() - 1, y), fill);
    EXPECT_EQ(image.pixelColor(empty.right(), y), divider);
  }
  const QRect with_text = CellRect(window, 1, 0);
  int dark = 0;
  for (int y = with_text.top(); y <= with_text.bottom(); ++y) {
    for (int x = with_text.left(); x < with_text.right(); ++x) {
      if (image.pixelColor(x, y).lightness() < 100) ++dark;
    }
  }
  EXPECT_GT(dark, 5) << "the cell's text is drawn over its background";
  ASSERT_TRUE(kept);
  EXPECT_THROW(kept->FillRect(0, 0, 1, 1), fw::NilObjectException);
}

TEST(ListboxTest, EditSurvivesTheWindowLosingActivation) {
  sw_test::RuntimeScope scope;
  auto window = OpenWindow();
  window->list->EditCell(1, 1);
  QPointer<QLineEdit> editor = EditorOf(window);
  ASSERT_TRUE(editor);
  QTest::keyClicks(editor, "5");
  editor->setSelection(0, 1);

  auto* box = new QMessageBox(QMessageBox::Information, "Note", "Saved", QMessageBox::Ok,
                              fw::testing::QtWindowOf(*window));
  box->open();
  ASSERT_TRUE(QTest::qWaitFor([box] { return QApplication::activeWindow() == box; }));
  QCoreApplication::processEvents();

  ASSERT_TRUE(editor);
  EXPECT_EQ(EditorOf(window), editor.data());
  EXPECT_EQ(editor->text(), "25");
  EXPECT_EQ(editor->selectedText(), "2");

  box->done(QMessageBox::Ok);
  fw::testing::QtWindowOf(*window)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(fw::testing::QtWindowOf(*window)));
  ASSERT_TRUE(editor);
  EXPECT_EQ(EditorOf(window), editor.data());
  EXPECT_EQ(QApplication::focusWidget(), editor.data());
  EXPECT_EQ(editor->text(), "25");
  delete box;
}

TEST(ListboxTest, CellOutsideTheListRaisesOutOfBounds) {
  sw_test::RuntimeScope scope;
  auto window = OpenWindow();
  Ref<fw::Listbox> list = window->list;
  struct Row {
    const char* name;
    std::function<void()> call;
    std::string named;
  };
  const Row rows[] = {
      {"CellNegativeRow", [&] { list->Cell(-1, 0); }, "row -1"},
      {"CellRowPastTheEnd", [&] { list->Cell(4, 0); }, "row 4"},
      {"SetCellColumnPastTheEnd", [&] { list->SetCell(0, 3, "x"); }, "column 3"},
      {"EditCellRowPastTheEnd", [&] { list->EditCell(9, 0); }, "row 9"},
      {"CellTypeNegativeColumn", [&] { list->SetCellType(0, -2, 3); }, "column -2"},
      {"HeadingColumnPastTheEnd", [&] { list->SetHeading(3, "x"); }, "column 3"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    try {
      row.call();
      ADD_FAILURE() << "no exception";
    } catch (const fw::OutOfBoundsException& e) {
      EXPECT_NE(e.Message().find(row.named), std::string::npos) << e.Message();
    }
  }
}

TEST(ListboxTest, HandlerOfTheWrongShapeIsRefused) {
  sw_test::RuntimeScope scope;
  auto window = OpenWindow();
  EXPECT_THROW(window->list->AddHandler("CellKeyDown", fw::Bind(window.get(), &ListWindow::KeyDownWithoutKey)),
               fw::TypeMismatchException);
  EXPECT_THROW(window->list->AddHandler("CellKeyDown", fw::Bind(window.get(), &ListWindow::KeyDownWithoutResult)),
               fw::TypeMismatchException);
  EXPECT_EQ(window->list->EventSignature("CellKeyDown"), "( Listbox, Integer, Integer, String ) as Boolean");
}

TEST(ListboxTest, WritesReachTheViewOnceForAllOfThem) {
  sw_test::RuntimeScope scope;
  auto window = OpenWindow();
  QAbstractItemModel* model = ViewOf(window)->model();
  QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
  QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);

  for (int i = 0; i < 200; ++i) window->list->SetCell(i % 4, i % 3, "v" + std::to_string(i));
  for (int i = 0; i < 100; ++i) window->list->AddRow("row " + std::to_string(i));
  EXPECT_EQ(window->list->Cell(3, 1), "v199");
  EXPECT_EQ(window->list->ListCount(), 104);
  EXPECT_EQ(window->list->Cell(103, 0), "row 99");
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(inserted.count(), 0);

  QCoreApplication::processEvents();
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(inserted.count(), 1);
  EXPECT_EQ(model->rowCount(), 104);
  EXPECT_EQ(model->data(model->index(3, 1)).toString(), "v199");
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 3; ++c) EXPECT_TRUE(Announced(changed, r, c)) << r << "," << c;
  }

  // Writes within one row: the view repaints only what it is told of.
  changed.clear();
  window->list->SetCell(2, 0, "one");
  window->list->SetCell(2, 2, "row");
  QCoreApplication::processEvents();
  EXPECT_EQ(changed.count(), 1);
  EXPECT_TRUE(Announced(changed, 2, 0));
  EXPECT_TRUE(Announced(changed, 2, 2));
}

TEST(ListboxTest, ColumnWidthsShareTheListsWidth) {
  sw_test::RuntimeScope scope;
  struct Row {
    const char* name;
    std::string widths;
    std::function<std::vector<int>(int total)> expected;
  };
  const Row rows[] = {
      {"EmptyIsEqualShares", "", [](int t) { return std::vector<int>{(t + 1) / 3, (2 * t + 1) / 3 - (t + 1) / 3, t - (2 * t + 1) / 3}; }},
      {"PixelsThenShares", "100,*,*", [](int t) { return std::vector<int>{100, (t - 100 + 1) / 2, t - 100 - (t - 100 + 1) / 2}; }},
      {"PercentagesAndARest", "50%, *, 25%",
       [](int t) {
         const int half = static_cast<int>(std::lround(t * 0.5)), quarter = static_cast<int>(std::lround(t * 0.25));
         return std::vector<int>{half, t - half - quarter, quarter};
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto window = OpenWindow();
    window->list->SetColumnWidths(row.widths);
    QTableView* view = ViewOf(window);
    const int total = view->viewport()->width();
    EXPECT_EQ((std::vector<int>{view->columnWidth(0), view->columnWidth(1), view->columnWidth(2)}),
              row.expected(total));
    window->Close();
  }
}

TEST(ListboxTest, DesignPropertiesApply) {
  sw_test::RuntimeScope scope;
  auto window = OpenWindow();
  Ref<fw::Listbox> list = window->list;
  QTableView* view = ViewOf(window);
  EXPECT_EQ(view->accessibleName(), "") << "a control's name is no words for a screen reader";
  fw::_SetProperties(list, {{"AccessibleName", "Score table"}});
  EXPECT_EQ(view->accessibleName(), "Score table");
  EXPECT_FALSE(view->verticalHeader()->isVisible());
  EXPECT_FALSE(view->showGrid());
  EXPECT_EQ(view->rowHeight(0), 20);
  list->SetDefaultRowHeight(-1);
  EXPECT_EQ(view->rowHeight(0), QFontMetrics(view->font()).height() + 4);
  EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);

  for (const char* name : {"Hierarchical", "EnableDrag", "EnableDragReorder"}) {
    SCOPED_TRACE(name);
    EXPECT_NO_THROW(fw::_SetProperties(list, {{name, false}}));
    EXPECT_THROW(fw::_SetProperties(list, {{name, true}}), fw::UnsupportedOperationException);
  }
  EXPECT_NO_THROW(fw::_SetProperties(
      list, {{"GridLinesHorizontal", 0}, {"GridLinesVertical", 0}, {"UseFocusRing", false},
             {"SelectionType", 0}, {"RequiresSelection", false}, {"ColumnsResizable", false},
             {"DropIndicatorVisible", false}, {"TextUnit", 0}, {"Bold", false}, {"Italic", false},
             {"Underline", false}}));
}

TEST(GraphicsTest, DrawsExactPixels) {
  sw_test::RuntimeScope scope;
  struct Row {
    const char* name;
    std::function<void(fw::Graphics&)> draw;
    std::function<bool(int x, int y)> coloured;
  };
  const Row rows[] = {
      {"FillCoversExactlyItsArea", [](fw::Graphics& g) { g.FillRect(2, 3, 4, 5); },
       [](int x, int y) { return x >= 2 && x < 6 && y >= 3 && y < 8; }},
      {"FillOfTheWholeArea", [](fw::Graphics& g) { g.FillRect(0, 0, 10, 10); },
       [](int, int) { return true; }},
      {"VerticalLineCoversBothEnds", [](fw::Graphics& g) { g.DrawLine(7, 1, 7, 8); },
       [](int x, int y) { return x == 7 && y >= 1 && y <= 8; }},
      {"LineToTheBottomEdgeColoursTheLastColumn", [](fw::Graphics& g) { g.DrawLine(9, 0, 9, 10); },
       [](int x, int) { return x == 9; }},
      {"HorizontalLine", [](fw::Graphics& g) { g.DrawLine(1, 4, 8, 4); },
       [](int x, int y) { return y == 4 && x >= 1 && x <= 8; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      fw::Graphics g(&painter, 10, 10);
      g.SetForeColor(fw::RGB(200, 0, 0));
      row.draw(g);
    }
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        ASSERT_EQ(image.pixelColor(x, y), row.coloured(x, y) ? QColor(200, 0, 0) : QColor(Qt::white))
            << "at " << x << "," << y;
      }
    }
  }
}

TEST(GraphicsTest, AlphaCountsTransparencyAndDrawingEndsWithThePaintEvent) {
  sw_test::RuntimeScope scope;
  QImage image(4, 4, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  fw::Graphics g(&painter, 4, 4);
  g.SetForeColor(fw::RGB(0, 0, 0, 255));
  g.FillRect(0, 0, 4, 4);
  g.SetForeColor(fw::RGB(0, 0, 0, 0));
  g.FillRect(0, 0, 2, 4);
  fw::testing::EndPaint(g);
  EXPECT_THROW(g.FillRect(0, 0, 4, 4), fw::NilObjectException);
  EXPECT_THROW(g.DrawLine(0, 0, 3, 3), fw::NilObjectException);
  painter.end();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::white));
}

}  // namespace
