// The application shell: the menu bar, the application's menu handlers and links, the shortcuts,
// the build date, the icon, and the about and help windows.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>

#include "app/app.h"
#include "app/icon.h"
#include "app/main_menu_bar.h"
#include "app/startup.h"
#include "framework/conversions.h"
#include "framework/date.h"
#include "framework/desktop.h"
#include "framework/picture.h"
#include "grading_window/scorewright.h"
#include "info_windows/aboutwindow.h"
#include "info_windows/helpwindow.h"
#include "tests/support/keys.h"
#include "tests/support/program.h"
#include "tests/support/report_guard.h"

namespace {

using fw::testing::ContentAreaOf;
using fw::testing::ImageOf;
using fw::testing::QtWindowOf;
using fw::testing::WidgetOf;
using sw_test::ProgramScope;

int CountOpen(const std::string& class_name) {
  int n = 0;
  for (const auto& w : fw::OpenWindows()) n += w->ClassName() == class_name;
  return n;
}

TEST(MenuBar, HoldsTheFiveMenusWithTheirItemsInOrder) {
  ProgramScope program;
  struct Row {
    const char* menu;
    const char* name;
    const char* text;
    const char* shortcut;  // nullptr: never set (separators)
  };
  const Row rows[] = {
      {"FileMenu", "FileMenu", "&File", ""},
      {"FileMenu", "FileAboutScorewright", "About Scorewright", "Cmd+A"},
      {"FileMenu", "FileQuit", "&Quit", "Cmd+Q"},
      {"EditMenu", "EditMenu", "&Edit", ""},
      {"EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
      {"EditMenu", "EditSeparator1", "-", nullptr},
      {"EditMenu", "EditCut", "Cu&t", "Cmd+X"},
      {"EditMenu", "EditCopy", "&Copy", "Cmd+C"},
      {"EditMenu", "EditPaste", "&Paste", "Cmd+V"},
      {"EditMenu", "EditClear", "&Delete", ""},
      {"EditMenu", "EditSeparator2", "-", nullptr},
      {"EditMenu", "EditSelectAll", "Select &All", "Cmd+A"},
      {"ResetMenu", "ResetMenu", "Reset", ""},
      {"ResetMenu", "ResetResetfornextstudent", "Reset for next student", "Cmd+R"},
      {"OurotherappsforteachersMenu", "OurotherappsforteachersMenu", "Other Apps for Teachers", ""},
      {"OurotherappsforteachersMenu", "InternetKinetora", "Kinetora on the MacAppStore", ""},
      {"OurotherappsforteachersMenu", "InternetGototheKinetoraWebsite",
       "Go to the Kinetora Website", ""},
      {"OurotherappsforteachersMenu", "InternetLikeKinetoraonTwitter", "Like Kinetora on Twitter",
       ""},
      {"OurotherappsforteachersMenu", "InternetLikeKinetoraonFacebook", "Like Kinetora on Facebook",
       ""},
      {"OurotherappsforteachersMenu", "UntitledSeparator", "-", nullptr},
      {"OurotherappsforteachersMenu", "InternetTabulix", "Tabulix on the MacAppStore", ""},
      {"OurotherappsforteachersMenu", "UntitledSeparator0", "-", nullptr},
      {"OurotherappsforteachersMenu", "InternetEmailSupport", "Email support@kinetora.example", ""},
      {"HelpMenu", "HelpMenu", "Help", ""},
      {"HelpMenu", "HelpHelpWindow", "Help Window", ""},
  };
  // Flatten the bar as the rows list it: each menu, then its items.
  std::vector<std::pair<std::string, fw::Ref<fw::MenuItem>>> flat;
  auto bar = App()->MenuBar();
  for (std::int64_t i = 0; i < bar->Count(); ++i) {
    auto menu = bar->Item(i);
    flat.emplace_back(menu->Name(), menu);
    for (std::int64_t j = 0; j < menu->Count(); ++j) flat.emplace_back(menu->Name(), menu->Item(j));
  }
  ASSERT_EQ(flat.size(), std::size(rows));
  for (std::size_t i = 0; i < flat.size(); ++i) {
    const Row& row = rows[i];
    const auto& [menu, item] = flat[i];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(menu, row.menu);
    EXPECT_EQ(item->Name(), row.name);
    EXPECT_EQ(item->Text(), row.text);
    EXPECT_TRUE(item->AutoEnable());
    EXPECT_TRUE(item->Visible());
    EXPECT_EQ(item->HasKeyboardShortcut(), row.shortcut != nullptr);
    if (row.shortcut) {
      EXPECT_EQ(item->KeyboardShortcut(), row.shortcut);
    }
    EXPECT_EQ(item->IsA<fw::QuitMenuItem>(), std::string(row.name) == "FileQuit");
  }
  EXPECT_EQ(MainMenuBar().get(), bar.get()) << "built once";

  // The grading window shows the bar; its content area keeps the design size beneath it.
  QMenuBar* qt_bar = QtWindowOf(*program.window())->menuBar();
  QStringList titles;
  for (QAction* action : qt_bar->actions()) titles << action->text();
  EXPECT_EQ(titles, QStringList({"&File", "&Edit", "Reset", "Other Apps for Teachers", "Help"}));
  EXPECT_EQ(ContentAreaOf(*program.window())->size(), QSize(780, 400));
}

TEST(MenuHandlers, EachLinkHandsExactlyOneUrlToTheDesktop) {
  ProgramScope program;
  const std::pair<const char*, const char*> links[] = {
      {"InternetEmailSupport", "mailto:support@kinetora.example"},
      {"InternetGototheKinetoraWebsite", "http://www.kinetora.example/"},
      {"InternetLikeKinetoraonTwitter", "http://www.kinetora.example/twitter"},
      {"InternetLikeKinetoraonFacebook", "http://www.kinetora.example/facebook"},
      {"InternetKinetora", "http://www.kinetora.example/store/kinetora"},
      {"InternetTabulix", "http://www.kinetora.example/store/tabulix"},
  };
  std::size_t seen = 0;
  for (const auto& [name, url] : links) {
    SCOPED_TRACE(name);
    ProgramScope::MenuItemNamed(name)->Choose();
    ASSERT_EQ(program.urls().size(), ++seen);
    EXPECT_EQ(program.urls().back(), url);
  }
  EXPECT_EQ(fw::OpenWindows().size(), 1u) << "links open no window";
}

TEST(MenuHandlers, AreRegisteredOnTheApplicationInOrderAndReturnTrue) {
  ProgramScope program;
  EXPECT_EQ(App()->MenuHandlerNames(),
            (std::vector<std::string>{
                "InternetEmailSupport", "InternetGototheKinetoraWebsite",
                "InternetLikeKinetoraonTwitter", "InternetLikeKinetoraonFacebook",
                "InternetKinetora", "InternetTabulix", "FileAboutScorewright", "HelpHelpWindow"}));
  for (const auto& name : App()->MenuHandlerNames()) {
    SCOPED_TRACE(name);
    EXPECT_TRUE((*App()->MenuHandlerFor(name))());
  }
}

TEST(InfoWindows, OneOfEachAtATimeAndANewOneAfterClosing) {
  ProgramScope program;
  for (const char* item : {"FileAboutScorewright", "HelpHelpWindow"}) {
    SCOPED_TRACE(item);
    const std::string cls = std::string(item) == "HelpHelpWindow" ? "helpWindow" : "aboutwindow";
    ProgramScope::MenuItemNamed(item)->Choose();
    auto first = fw::_GetImplicitWindow(cls + "." + cls);
    ASSERT_TRUE(first);
    ProgramScope::MenuItemNamed(item)->Choose();
    EXPECT_EQ(CountOpen(cls), 1);
    QtWindowOf(*first)->close();
    EXPECT_EQ(CountOpen(cls), 0);
    EXPECT_EQ(CountOpen("Scorewright"), 1) << "closing it ends nothing else";
    ProgramScope::MenuItemNamed(item)->Choose();
    auto second = fw::_GetImplicitWindow(cls + "." + cls);
    ASSERT_TRUE(second);
    EXPECT_NE(second.get(), first.get());
  }
  EXPECT_EQ(fw::OpenWindows().size(), 3u);
}

TEST(InfoWindows, ChoosingTheItemBringsTheMinimisedWindowBackToTheFront) {
  ProgramScope program;
  for (const char* item : {"FileAboutScorewright", "HelpHelpWindow"}) {
    SCOPED_TRACE(item);
    const std::string cls = std::string(item) == "HelpHelpWindow" ? "helpWindow" : "aboutwindow";
    ProgramScope::MenuItemNamed(item)->Choose();
    QMainWindow* shown = QtWindowOf(*fw::_GetImplicitWindow(cls + "." + cls));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    shown->showMinimized();
    QApplication::setActiveWindow(QtWindowOf(*program.window()));
    ASSERT_TRUE(shown->windowState() & Qt::WindowMinimized);

    ProgramScope::MenuItemNamed(item)->Choose();
    EXPECT_FALSE(shown->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(shown));
    EXPECT_EQ(QtWindowOf(*fw::OpenWindows().front()), shown) << "the front window";
    EXPECT_EQ(CountOpen(cls), 1);
  }
}

TEST(InfoWindows, AboutWindowShowsItsDesignAndItsMessages) {
  ProgramScope program;
  auto about = aboutwindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(QtWindowOf(*about)));
  EXPECT_EQ(ContentAreaOf(*about)->size(), QSize(228, 240));
  EXPECT_EQ(QtWindowOf(*about)->windowTitle(), "");
  EXPECT_FALSE(QtWindowOf(*about)->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(QtWindowOf(*about)->minimumSize(), QtWindowOf(*about)->maximumSize()) << "fixed size";
  EXPECT_EQ(about->Label1()->Text(), "Scorewright");
  EXPECT_EQ(about->Label2()->Text(), "Version 1.0.1");
  EXPECT_EQ(std::count(about->Label3()->Text().begin(), about->Label3()->Text().end(), '\n'), 1);

  QTest::mouseClick(WidgetOf(*about->Label1()), Qt::LeftButton);
  EXPECT_TRUE(fw::testing::OpenMessageBoxTexts().empty());
  QTest::mouseClick(WidgetOf(*about->Label2()), Qt::LeftButton);
  QTest::mouseClick(WidgetOf(*about->Canvas1()), Qt::LeftButton);
  auto texts = fw::testing::OpenMessageBoxTexts();
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"Built on 2019-08-06 15:36:14",
                                             "Grading is not fun, is it?"}));
  EXPECT_EQ(about->Label2()->Text(), "Version 1.0.1");
}

TEST(InfoWindows, AboutWindowDrawsTheIconAcrossTheCanvas) {
  ProgramScope program;
  auto about = aboutwindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(QtWindowOf(*about)));
  const QImage canvas = WidgetOf(*about->Canvas1())->grab().toImage();
  const QImage icon =
      ImageOf(*Scoremill256()).scaled(100, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  // The centre of the canvas shows the centre of the icon, scaled to 100 x 100.
  const QColor drawn = canvas.pixelColor(50, 50), expected = icon.pixelColor(50, 50);
  EXPECT_NEAR(drawn.red(), expected.red(), 40);
  EXPECT_NEAR(drawn.green(), expected.green(), 40);
  EXPECT_NEAR(drawn.blue(), expected.blue(), 40);
  EXPECT_TRUE(program.reports().empty());
}

TEST(InfoWindows, HelpWindowShowsItsFourTexts) {
  ProgramScope program;
  auto help = helpWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(QtWindowOf(*help)));
  EXPECT_EQ(ContentAreaOf(*help)->size(), QSize(444, 218));
  EXPECT_EQ(QtWindowOf(*help)->windowTitle(), "Help Window");
  EXPECT_EQ(help->Label1()->Text(), "Select how you grade");
  EXPECT_EQ(help->Label2()->Text().size(), 187u);
  EXPECT_EQ(help->Label3()->Text(), "Enter the points lost or gained");
  const std::string text4 = help->Label4()->Text();
  EXPECT_EQ(text4.size(), 254u);
  EXPECT_NE(text4.find("\"Graded Points\""), std::string::npos);
  EXPECT_NE(text4.find("and \xEF\xA3\xBF-R to reset."), std::string::npos);
  // Drawn with this platform's command key in place of the sign that no font here has.
  auto* shown = qobject_cast<QLabel*>(WidgetOf(*help->Label4()));
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->text().endsWith("and Ctrl-R to reset."));
  EXPECT_TRUE(shown->wordWrap());
  EXPECT_EQ(WidgetOf(*help->Label1())->font().pixelSize(), 18);
  EXPECT_TRUE(WidgetOf(*help->Label1())->font().bold());
}

TEST(Shortcuts, CtrlRResetsFromTheGradingWindowOnly) {
  ProgramScope program;
  auto window = program.window();
  window->LabBox()->SetCell(3, 1, "4");
  QTest::keyClick(QtWindowOf(*window), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(window->LabBox()->Cell(3, 1), "0");

  window->LabBox()->SetCell(3, 1, "4");
  auto about = aboutwindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(QtWindowOf(*about)));
  QTest::keyClick(QtWindowOf(*about), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(window->LabBox()->Cell(3, 1), "4") << "the about window has no reset handler";
}

TEST(Shortcuts, CtrlASelectsAllInATextEditorAndOpensAboutElsewhere) {
  ProgramScope program;
  auto window = program.window();
  QApplication::setActiveWindow(QtWindowOf(*window));
  auto* field = qobject_cast<QLineEdit*>(WidgetOf(*window->totalPoints()));
  ASSERT_NE(field, nullptr);
  field->setFocus();
  field->deselect();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(field->selectedText(), "100");
  EXPECT_EQ(CountOpen("aboutwindow"), 0);

  WidgetOf(*window->resetButton())->setFocus();
  QTest::keyClick(WidgetOf(*window->resetButton()), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(CountOpen("aboutwindow"), 1);
}

TEST(Shortcuts, EveryItemIsNamedByItsWordsAndSelectAllShowsCtrlAAsItsShortcut) {
  ProgramScope program;
  QMenuBar* qt_bar = QtWindowOf(*program.window())->menuBar();
  std::map<QString, QString> shortcuts;  // item name -> the shortcut a screen reader announces
  for (QAction* menu_action : qt_bar->actions()) {
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(menu_action->menu());
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i < menu->childCount(); ++i) {
      const QString name = menu->child(i)->text(QAccessible::Name);
      SCOPED_TRACE(name.toStdString());
      EXPECT_FALSE(name.contains(u'\t'));
      EXPECT_FALSE(name.contains("Ctrl"));
      if (!name.isEmpty()) shortcuts[name] = menu->child(i)->text(QAccessible::Accelerator);
    }
  }
  EXPECT_EQ(shortcuts["About Scorewright"], "Ctrl+A");
  EXPECT_EQ(shortcuts["Select All"], "Ctrl+A");
  EXPECT_EQ(shortcuts["Copy"], "Ctrl+C");

  // Ctrl+A opens About, also while the menu bar has the keyboard focus (Alt pressed alone),
  // where Select All's own shortcut applies as well: never an ambiguity that fires nothing.
  static QStringList warnings;
  warnings.clear();
  static QtMessageHandler previous;
  previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        warnings << message;
        previous(type, context, message);  // the test guard hears every message too
      });
  auto window = program.window();
  for (QWidget* focus : {WidgetOf(*window->resetButton()), static_cast<QWidget*>(qt_bar)}) {
    SCOPED_TRACE(focus->metaObject()->className());
    QApplication::setActiveWindow(QtWindowOf(*window));
    focus->setFocus(Qt::MenuBarFocusReason);
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(CountOpen("aboutwindow"), 1);
    if (auto about = fw::_GetImplicitWindow("aboutwindow.aboutwindow")) about->Close();
  }
  qInstallMessageHandler(previous);
  EXPECT_FALSE(warnings.join("\n").contains("Ambiguous")) << warnings.join("\n").toStdString();
}

TEST(Shortcuts, EditItemsActOnTheFocusedField) {
  ProgramScope program;
  auto window = program.window();
  QApplication::setActiveWindow(QtWindowOf(*window));
  auto* field = qobject_cast<QLineEdit*>(WidgetOf(*window->totalPoints()));
  field->setFocus();
  ProgramScope::MenuItemNamed("EditSelectAll")->Choose();
  EXPECT_EQ(field->selectedText(), "100");
  ProgramScope::MenuItemNamed("EditCut")->Choose();
  EXPECT_EQ(window->totalPoints()->Text(), "");
  ProgramScope::MenuItemNamed("EditPaste")->Choose();
  EXPECT_EQ(window->totalPoints()->Text(), "100");
}

TEST(TotalField, APasteIsKeptWholeUnlessLimitTextLimitsIt) {
  struct Case {
    const char* name;
    std::int64_t limit;
    std::string pasted, kept;
    std::vector<std::string> results;  // percentage, points, lost
  };
  // Past the 32,767 characters of a line edit's default limit, only the last digits give 50.
  const std::string long_total = std::string(39998, '0') + "50";
  const Case cases[] = {
      {"NoLimit", 0, long_total, long_total, {"100.00%", "50/50", "0"}},
      {"FiveCharacters", 5, "123456789", "12345", {"100.00%", "12345/12345", "0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramScope program;
    auto window = program.window();
    window->totalPoints()->SetLimitText(c.limit);
    QApplication::setActiveWindow(QtWindowOf(*window));
    auto* field = qobject_cast<QLineEdit*>(WidgetOf(*window->totalPoints()));
    ASSERT_NE(field, nullptr);
    field->setFocus();
    field->selectAll();
    QGuiApplication::clipboard()->setText(QString::fromStdString(c.pasted));

    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);

    const std::string kept = window->totalPoints()->Text();
    EXPECT_EQ(kept.size(), c.kept.size());
    EXPECT_TRUE(kept == c.kept);
    EXPECT_EQ(
        (std::vector<std::string>{window->percentageLabel()->Text(), window->pointsLabel()->Text(),
                                  window->lostLabel()->Text()}),
        c.results);
  }
}

TEST(BuildDate, EachReadIsANewDateOfTheSameMoment) {
  ProgramScope program;
  auto first = App()->BuildDate();
  auto second = App()->BuildDate();
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(first->TotalSeconds(), 3647950574.0);
  first->SetTotalSeconds(0);
  EXPECT_EQ(second->TotalSeconds(), 3647950574.0);
  EXPECT_EQ(App()->BuildDate()->TotalSeconds(), 3647950574.0);
  EXPECT_EQ(fw::Str(App()->BuildDate()), "2019-08-06 15:36:14");
}

TEST(Icon, IsRetriedWhileMissingAndKeptOnceLoaded) {
  sw_test::RuntimeScope scope;
  QTemporaryDir folder;
  fw::testing::SetResourceFolders({folder.path().toStdString()});
  EXPECT_FALSE(Scoremill256());
  EXPECT_FALSE(Scoremill256());
  QImage image(8, 4, QImage::Format_ARGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(QDir(folder.path()).filePath("Scoremill256.png")));
  auto loaded = Scoremill256();
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->Width(), 8);
  QFile::remove(QDir(folder.path()).filePath("Scoremill256.png"));
  EXPECT_EQ(Scoremill256().get(), loaded.get()) << "loaded once, kept for the run";
  fw::testing::ResetResourceFolders();
}

TEST(Icon, AMissingIconPaintsNothingAndIsReported) {
  sw_test::ExpectErrorReports();
  ProgramScope program;
  QTemporaryDir empty;
  fw::testing::SetResourceFolders({empty.path().toStdString()});
  auto about = aboutwindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(QtWindowOf(*about)));
  WidgetOf(*about->Canvas1())->repaint();
  const std::vector<std::string> reports = program.reports();
  ASSERT_FALSE(reports.empty());
  EXPECT_NE(reports.front().find("NilObjectException"), std::string::npos);
  fw::testing::ResetResourceFolders();
}

// The whole program, traced, with in_loop run once its event loop has started; returns the exit
// status. in_loop must end the run.
int RunTracedProgram(std::function<void()> in_loop) {
  fw::testing::ClearTrace();
  fw::testing::RecordTrace(true);
  fw::testing::OnEventLoopStarted(std::move(in_loop));
  fw::testing::InterceptUrls([](const std::string&) {});
  const int status = ScorewrightMain();
  fw::testing::StopInterceptingUrls();
  fw::testing::RecordTrace(false);
  return status;
}

TEST(Quit, TheQuitItemClosesTheWindowsAndExitsWithZero) {
  const int status = RunTracedProgram([] {
    ProgramScope::MenuItemNamed("HelpHelpWindow")->Choose();
    ProgramScope::MenuItemNamed("FileQuit")->Choose();
  });
  EXPECT_EQ(status, 0);
  const auto& trace = fw::testing::Trace();
  EXPECT_NE(std::find(trace.begin(), trace.end(), "MenuItem.Choose:FileQuit"), trace.end());
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "Quit"), 2)
      << "the Quit item's, then the grading window's Close asks again";
}

TEST(Quit, CtrlQWhileAScoreCellIsEditedQuitsWithZero) {
  const int status = RunTracedProgram([] {
    auto window =
        fw::CheckedCast<class Scorewright>(fw::_GetImplicitWindow("Scorewright.Scorewright"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(fw::testing::QtWindowOf(*window)));
    window->LabBox()->EditCell(3, 1);
    QLineEdit* editor = fw::testing::EditorOf(*window->LabBox()->ActiveCell());
    sw_test::ClickCtrlChord(editor, Qt::Key_Q);
    // Had the chord gone nowhere, the window is closed here so that the run still ends.
    if (window->IsOpen()) fw::testing::QtWindowOf(*window)->close();
  });
  EXPECT_EQ(status, 0);
  const auto& trace = fw::testing::Trace();
  EXPECT_NE(std::find(trace.begin(), trace.end(), "MenuItem.Choose:FileQuit"), trace.end());
}

}  // namespace
