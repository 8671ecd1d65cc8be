// Start-up and shutdown of the whole program: the order of the start-up steps, where each
// failure ends, and the exit status.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/main_menu_bar.h"
#include "app/startup.h"
#include "framework/testing.h"
#include "framework/window.h"
#include "grading_window/scorewright.h"
#include "tests/support/report_guard.h"
#include "tests/support/runtime_scope.h"

namespace {

using fw::testing::Trace;

struct ProgramRun {
  int status;
  std::vector<std::string> reports;  // the framework's error reports during the run
};

// Runs the whole process entry with tracing on, after the fault points given; the callback runs
// once the event loop has started (it must end the loop, e.g. by closing the grading window).
ProgramRun RunProgram(std::function<void()> in_loop, const std::vector<std::string>& faults = {}) {
  fw::testing::ClearFaults();
  fw::testing::ClearTrace();
  for (const auto& fault : faults) fw::testing::FailNext(fault);
  const std::size_t mark = fw::testing::ReportCount();
  fw::testing::RecordTrace(true);
  fw::testing::OnEventLoopStarted(std::move(in_loop));
  const int status = ScorewrightMain();
  fw::testing::RecordTrace(false);
  fw::testing::OnEventLoopStarted(nullptr);
  return {status, fw::testing::ReportsSince(mark)};
}

std::ptrdiff_t IndexOf(const std::string& prefix) {
  const auto& trace = Trace();
  auto it = std::find_if(trace.begin(), trace.end(),
                         [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
  return it == trace.end() ? -1 : it - trace.begin();
}

bool Traced(const std::string& prefix) { return IndexOf(prefix) >= 0; }

void CloseGradingWindow() {
  auto windows = fw::OpenWindows();
  ASSERT_EQ(windows.size(), 1u);
  fw::testing::QtWindowOf(*windows.front())->close();  // as the window's close button does
}

TEST(StartUp, RunsItsStepsInOrderAndOpensOnlyTheGradingWindow) {
  std::vector<std::string> open_classes;
  const ProgramRun run = RunProgram([&] {
    for (const auto& window : fw::OpenWindows()) open_classes.push_back(window->ClassName());
    CloseGradingWindow();
  });
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(open_classes, std::vector<std::string>{"Scorewright"});

  const std::vector<std::string> order = {
      "RuntimeInit",
      "RuntimePerformInitializers",
      "_RuntimeSetExceptionHelper",
      "RuntimeSetFrameworkVersion",
      "Application._SetSupportsHiDPI",
      "_RuntimeInitExternalClasses",
      "_InitPluginEntrypoints",
      "Application._x_SetVersionData",
      "Application.MenuBar",
      "_RuntimeRegisterAppObject",
      "_RunFrameworkInitialization",
      "Window.Constructor:Scorewright",
      "_RuntimeRun",
      "RuntimePerformFinalizers",
      "RuntimeExit",
  };
  std::ptrdiff_t previous = -1;
  for (const auto& step : order) {
    SCOPED_TRACE(step);
    const auto at = IndexOf(step);
    ASSERT_GE(at, 0);
    EXPECT_GT(at, previous);
    previous = at;
  }
  // The application's menu handlers are registered after the object is, before any window.
  EXPECT_GT(IndexOf("Application._AddMenuHandler:"), IndexOf("_RuntimeRegisterAppObject"));
  EXPECT_FALSE(Traced("_UnhandledException"));
  EXPECT_TRUE(run.reports.empty());
}

TEST(StartUp, TheApplicationObjectCarriesItsVersionData) {
  RunProgram([] {
    auto app = App();
    ASSERT_TRUE(app);
    EXPECT_EQ(app.get(), App().get());
    EXPECT_EQ(app->MajorVersion(), 1);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 3);
    EXPECT_EQ(app->ShortVersion(), "1.0.1");
    EXPECT_EQ(app->PackageInfo(), "Tallywright for Teachers");
    EXPECT_NE(app->LongVersion().find("Copyright"), std::string::npos);
    EXPECT_TRUE(app->MenuBar());
    EXPECT_DOUBLE_EQ(fw::testing::FrameworkVersion(), 2019.011);
    CloseGradingWindow();
  });
}

// Where an exception ends, by the step that raises it.
struct FailureCase {
  const char* name;
  std::vector<std::string> faults;
  std::vector<std::string> skipped;  // trace entries that must not appear
  bool reported_unhandled;          // reached _UnhandledException
  int exit_status;
};

TEST(StartUp, EachFailureEndsWhereItBelongs) {
  sw_test::ExpectErrorReports();
  const FailureCase cases[] = {
      {"runtime initialisation", {"RuntimeInit"},
       {"_RuntimeSetExceptionHelper", "Window.Constructor", "_RuntimeRun"}, true, 1},
      {"a static initialiser", {"StaticInitializer:Scorewright"},
       {"_RuntimeSetExceptionHelper", "Window.Constructor", "_RuntimeRun"}, true, 1},
      {"installing the exception helper", {"_RuntimeSetExceptionHelper"},
       {"RuntimeSetFrameworkVersion", "Application._SetSupportsHiDPI",
        "_RunFrameworkInitialization", "_RuntimeRun"}, true, 1},
      {"telling the framework version", {"RuntimeSetFrameworkVersion"},
       {"Application._SetSupportsHiDPI", "_RunFrameworkInitialization", "_RuntimeRun"}, true, 1},
      {"early start-up", {"_InitPluginEntrypoints"},
       {"Application._x_SetVersionData", "_RuntimeRegisterAppObject", "Application._AddMenuHandler",
        "_RunFrameworkInitialization", "_RuntimeRun"}, true, 1},
      {"building the menu bar", {"MenuItem.Append"},
       {"_RuntimeRegisterAppObject", "Application._AddMenuHandler", "_RunFrameworkInitialization",
        "Window.Constructor", "_RuntimeRun"}, true, 1},
      {"the framework's initialisation", {"_RunFrameworkInitialization"},
       {"Window.Constructor", "_RuntimeRun"}, true, 1},
      {"late start-up", {"Window.Constructor"}, {"_UnhandledException"}, false, 1},
      {"the event loop", {"_RuntimeRun"}, {}, true, 1},
      {"the report itself", {"_RuntimeRun", "_UnhandledException"}, {}, true, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ProgramRun run = RunProgram([] { CloseGradingWindow(); }, c.faults);

    EXPECT_EQ(run.status, c.exit_status);
    for (const auto& step : c.skipped) EXPECT_FALSE(Traced(step)) << step << " ran";
    EXPECT_EQ(Traced("_UnhandledException"), c.reported_unhandled);
    EXPECT_EQ(run.reports.size(), 1u) << "the failure is reported exactly once";
    EXPECT_TRUE(Traced("RuntimePerformFinalizers"));
    EXPECT_TRUE(Traced("RuntimeExit"));
    EXPECT_TRUE(fw::OpenWindows().empty());
  }
}

TEST(StartUp, AFailedMenuBarLeavesTheApplicationObjectUnregistered) {
  sw_test::RuntimeScope scope;
  fw::testing::RecordTrace(true);
  fw::testing::FailNext("MenuItem.Append", 1);
  EXPECT_THROW(_EarlyStartup(), fw::RuntimeException);
  fw::testing::RecordTrace(false);
  EXPECT_FALSE(fw::_GetAppObject());
  EXPECT_THROW(App()->ShortVersion(), fw::NilObjectException);
  EXPECT_FALSE(Traced("Application._AddMenuHandler"));
  // The half-built bar was dropped: the next use builds the whole bar anew.
  auto bar = MainMenuBar();
  EXPECT_EQ(bar->Count(), 5);
  EXPECT_EQ(bar->Child("FileMenu")->Count(), 2);
}

TEST(StartUp, RegistersTheApplicationsMenuHandlersBeforeTheWindow) {
  RunProgram([] { CloseGradingWindow(); });
  std::vector<std::string> registered;
  for (const auto& entry : Trace()) {
    if (entry.rfind("Application._AddMenuHandler:", 0) == 0) registered.push_back(entry.substr(28));
  }
  EXPECT_EQ(registered, (std::vector<std::string>{
                            "InternetEmailSupport", "InternetGototheKinetoraWebsite",
                            "InternetLikeKinetoraonTwitter", "InternetLikeKinetoraonFacebook",
                            "InternetKinetora", "InternetTabulix", "FileAboutScorewright",
                            "HelpHelpWindow"}));
  EXPECT_LT(IndexOf("Application._AddMenuHandler:HelpHelpWindow"),
            IndexOf("Window.Constructor:Scorewright"));
  EXPECT_GT(IndexOf("Window._AddMenuHandler:ResetResetfornextstudent"),
            IndexOf("Window.Constructor:Scorewright"));
}

TEST(EventLoop, AFailingHandlerIsReportedAndTheApplicationGoesOn) {
  sw_test::ExpectErrorReports();
  std::size_t boxes = 0;
  bool still_open = false;
  const ProgramRun run = RunProgram([&] {
    for (int i = 0; i < 3; ++i) fw::CallFromQt([] { throw fw::NilObjectException("no picture"); });
    for (QWidget* w : QApplication::topLevelWidgets()) boxes += qobject_cast<QMessageBox*>(w) != nullptr;
    still_open = fw::OpenWindows().size() == 1;
    CloseGradingWindow();
  });
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(still_open);
  EXPECT_EQ(run.reports.size(), 3u);
  EXPECT_EQ(boxes, 1u) << "one message box at a time";
}

TEST(ExceptionHelper, ReturnsRuntimeExceptionsAndPassesOthersOn) {
  auto run = [](std::function<void()> body) {
    return _CallFunctionWithExceptionHandling([&](const fw::Ref<fw::Object>&) { body(); }, nullptr);
  };
  EXPECT_EQ(run([] {}), nullptr);
  std::exception_ptr caught = run([] { throw fw::NilObjectException("nil"); });
  ASSERT_NE(caught, nullptr);
  EXPECT_EQ(fw::DescribeException(caught), "NilObjectException: nil");
  EXPECT_THROW(run([] { throw std::logic_error("not a framework exception"); }),
               std::logic_error);
}

// A display number that no X server holds (a server keeps a lock file for its number).
QString DisplayWithNoServer() {
  for (int n = 170; n < 370; ++n) {
    if (!QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
        !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
      return QStringLiteral(":%1").arg(n);
    }
  }
  return {};
}

TEST(NoDisplay, TheProgramSaysSoInOneLineAndEndsWithStatusOne) {
  const QString dead_display = DisplayWithNoServer();
  ASSERT_FALSE(dead_display.isEmpty());
  struct Case {
    const char* name;
    QString display, platform;  // empty: not set
    std::string line;
  };
  const Case cases[] = {
      {"NoDisplaySet", {}, {}, "(DISPLAY is not set)"},
      {"DisplayWithNoServer", dead_display, {}, "(DISPLAY=" + dead_display.toStdString() + ")"},
      {"NoPluginForThePlatform", {}, "nosuchplatform",
       "(DISPLAY is not set, QT_QPA_PLATFORM=nosuchplatform)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      environment.remove(QString::fromLatin1(variable));
    }
    if (!c.display.isEmpty()) environment.insert(QStringLiteral("DISPLAY"), c.display);
    if (!c.platform.isEmpty()) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), c.platform);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SCOREWRIGHT_EXECUTABLE), {});
    ASSERT_TRUE(program.waitForStarted(30000));
    if (!program.waitForFinished(60000)) {
      program.kill();
      program.waitForFinished();
      FAIL() << "the program did not end";
    }

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "it must not abort";
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(program.readAllStandardError().toStdString(),
              "Scorewright: no graphical display could be opened " + c.line + "\n");
  }
}

}  // namespace
