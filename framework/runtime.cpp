#include "framework/runtime.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "framework/application.h"
#include "framework/internal.h"
#include "framework/program_identity.h"
#include "framework/qt_start_messages.h"

namespace fw {

namespace {

struct RunState {
  std::unique_ptr<QApplication> qt;
  std::exception_ptr pending;
  double framework_version = 0;
  Ref<Application> app;
  std::thread::id ui_thread;
  std::int32_t exit_code = 0;
  bool quit_requested = false;
  bool loop_running = false;
  bool quitting = false;
  bool startup_failed = false;
};

RunState* run = nullptr;

}  // namespace

void RuntimeInit() {
  if (run) return;
  run = new RunState;
  internal::OpenClassRegistry();
  run->ui_thread = std::this_thread::get_id();
  try {
    TracePoint("RuntimeInit");
    FaultPoint("RuntimeInit");
    static int argc = 1;
    // Qt keeps argc and argv for the application's life; the file name is the process's name.
    static std::string file_name = kProgramIdentity.file_name;
    static char* argv[] = {file_name.data(), nullptr};
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    {
      const internal::QtStartMessages held;
      run->qt = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setApplicationName(QString::fromUtf8(kProgramIdentity.name));
    QApplication::setQuitOnLastWindowClosed(false);
    internal::InstallKeyTracker();
    internal::ApplyApplicationIcon();
  } catch (...) {
    run->pending = std::current_exception();
  }
}

void RuntimePerformInitializers() {
  if (!run || run->pending) return;
  try {
    TracePoint("RuntimePerformInitializers");
    FaultPoint("RuntimePerformInitializers");
    internal::RunStaticInitializers();
  } catch (...) {
    run->pending = std::current_exception();
  }
}

std::exception_ptr RuntimeTakePendingException() {
  if (!run) return nullptr;
  return std::exchange(run->pending, nullptr);
}

void RuntimeSetFrameworkVersion(double version) {
  FaultPoint("RuntimeSetFrameworkVersion");
  TracePoint("RuntimeSetFrameworkVersion");
  run->framework_version = version;
}

void _RuntimeInitExternalClasses() {
  CheckUIThread();
  FaultPoint("_RuntimeInitExternalClasses");
  TracePoint("_RuntimeInitExternalClasses");
}

void _InitPluginEntrypoints() {
  FaultPoint("_InitPluginEntrypoints");
  TracePoint("_InitPluginEntrypoints");
}

void _RuntimeRegisterAppObject(const Ref<Application>& app) {
  FaultPoint("_RuntimeRegisterAppObject");
  TracePoint("_RuntimeRegisterAppObject");
  run->app = app;
}

Ref<Object> _GetAppObject() {
  FaultPoint("_GetAppObject");
  if (!run) return nullptr;
  return run->app;
}

void _RunFrameworkInitialization(void (*late_startup)()) {
  CheckUIThread();
  FaultPoint("_RunFrameworkInitialization");
  TracePoint("_RunFrameworkInitialization");
  try {
    late_startup();
  } catch (...) {
    // Late start-up could not make the default window. Report it; with no window left to close,
    // the application would wait for ever, so it quits with a failure code instead.
    ReportException(std::current_exception(), "late start-up");
    run->startup_failed = true;
    if (!internal::AnyWindowOpen()) Quit(1);
  }
}

void _RuntimeRun() {
  CheckUIThread();
  FaultPoint("_RuntimeRun");
  TracePoint("_RuntimeRun");
  if (run->quit_requested) return;
  run->loop_running = true;
  if (auto started = internal::TakeEventLoopStartedHook()) {
    QTimer::singleShot(0, run->qt.get(), [started = std::move(started)] { CallFromQt(started); });
  }
  QApplication::exec();
  run->loop_running = false;
}

void _UnhandledException(std::exception_ptr exception) {
  TracePoint("_UnhandledException");
  if (run) run->startup_failed = true;
  FaultPoint("_UnhandledException");
  ReportException(exception, "unhandled");
}

void RuntimePerformFinalizers() {
  if (!run) return;
  TracePoint("RuntimePerformFinalizers");
  internal::ReleaseAllWindows();
  internal::RunFinalizers();
  run->app.reset();
  internal::ReleaseMenuActions();
  if (run->qt) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::int32_t RuntimeExit() {
  if (!run) return 0;
  TracePoint("RuntimeExit");
  std::int32_t result = run->quit_requested ? run->exit_code : (run->startup_failed ? 1 : 0);
  if (run->qt) {
    internal::RemoveKeyTracker();
    internal::LetGoOfUrlOpeners();
    // Deleting one window may delete others (a message box with a parent): hold them weakly.
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) windows.emplace_back(w);
    for (const auto& w : windows) delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  delete run;
  run = nullptr;
  internal::CloseClassRegistry();
  internal::ForgetExceptionHelper();
  return result;
}

void Quit(std::int32_t code) {
  CheckUIThread();
  FaultPoint("Quit");
  TracePoint("Quit");
  if (run->quitting) return;
  run->quitting = true;
  run->exit_code = code;
  internal::CloseOpenWindows();
  run->quit_requested = true;
  if (run->loop_running) QCoreApplication::exit(code);
}

void CheckUIThread() {
  if (!run) throw ThreadAccessingUIException("no user interface: the runtime is not initialised");
  if (std::this_thread::get_id() != run->ui_thread) {
    throw ThreadAccessingUIException(
        "a user-interface operation was called from a thread other "
        "than the main thread");
  }
}

namespace internal {
QApplication* QtApplication() { return run ? run->qt.get() : nullptr; }
bool EventLoopRunning() { return run && run->qt && run->loop_running; }
double FrameworkVersion() { return run ? run->framework_version : 0; }
}  // namespace internal

}  // namespace fw
