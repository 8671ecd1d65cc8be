#include "framework/runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "framework/application.h"
#include "framework/desktop.h"
#include "framework/internal.h"
#include "framework/picture.h"
#include "framework/window.h"
#include "framework/testing.h"

namespace fw {

namespace {

struct RunState {
  std::unique_ptr<QApplication> qt;
  std::exception_ptr pending;
  ExceptionHelper helper = nullptr;
  double framework_version = 0;
  Ref<Application> app;
  std::map<std::type_index, ClassDescription> classes;
  std::thread::id ui_thread;
  std::int32_t exit_code = 0;
  bool quit_requested = false;
  bool loop_running = false;
  bool quitting = false;
  bool startup_failed = false;
};

RunState* run = nullptr;

std::vector<ClassRegistration>& Registrations() {
  static std::vector<ClassRegistration> registrations;
  return registrations;
}

struct TestHooks {
  std::map<std::string, int, std::less<>> faults;
  bool tracing = false;
  std::vector<std::string> trace;
  std::function<void()> on_loop_started;
  std::vector<std::string> reports;
};

TestHooks& Hooks() {
  static TestHooks hooks;
  return hooks;
}

std::exception_ptr BuiltInHelper(const HandlerFunction& function, Ref<Object> argument) {
  try {
    function(std::move(argument));
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

const ClassDescription& Describe(const ClassRegistration& registration) {
  auto [it, inserted] = run->classes.try_emplace(registration.type, ClassDescription{});
  if (inserted) it->second = registration.describe();
  return it->second;
}

// Started where no display can be opened, Qt's QApplication constructor ends the process itself
// (qFatal, an abort) after lines that advise reinstalling the application. While the constructor
// runs, Qt's messages are held back: the fatal one of a platform that could not be initialised
// becomes one line of ours and exit status 1; once the constructor returns, the held messages go
// to the handler that was there before.
class QtStartMessages {
 public:
  QtStartMessages() { Held().previous = qInstallMessageHandler(&Hold); }
  ~QtStartMessages() {
    std::vector<Message> messages;
    QtMessageHandler previous;
    {
      std::lock_guard lock(Held().mutex);
      messages.swap(Held().messages);
      previous = Held().previous;
    }
    qInstallMessageHandler(previous);
    Replay(previous, messages);
  }
  QtStartMessages(const QtStartMessages&) = delete;
  QtStartMessages& operator=(const QtStartMessages&) = delete;

 private:
  struct Message {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
  };
  struct State {
    std::mutex mutex;
    QtMessageHandler previous = nullptr;
    std::vector<Message> messages;
  };
  static State& Held() {
    static State state;
    return state;
  }

  static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // A platform that was opened has its name; a fatal message before that is Qt giving up on
    // every platform it tried.
    if (type == QtFatalMsg && QGuiApplication::platformName().isEmpty()) NoDisplay();
    auto copy = [](const char* s) { return std::string(s ? s : ""); };
    std::vector<Message> messages;
    QtMessageHandler previous;
    {
      std::lock_guard lock(Held().mutex);
      Held().messages.push_back({type, copy(context.file), copy(context.function),
                                 copy(context.category), context.line, text});
      if (type != QtFatalMsg) return;
      messages.swap(Held().messages);
      previous = Held().previous;
    }
    // Any other fatal message ends the process as Qt means it to, with everything said before it.
    Replay(previous, messages);
  }

  static void Replay(QtMessageHandler handler, const std::vector<Message>& messages) {
    for (const Message& m : messages) {
      const QMessageLogContext context(m.file.empty() ? nullptr : m.file.c_str(), m.line,
                                       m.function.empty() ? nullptr : m.function.c_str(),
                                       m.category.empty() ? nullptr : m.category.c_str());
      if (handler) {
        handler(m.type, context, m.text);
      } else {
        std::fprintf(stderr, "%s\n", qPrintable(m.text));
      }
    }
  }

  [[noreturn]] static void NoDisplay() {
    const char* display = std::getenv("DISPLAY");
    std::string where =
        display && *display ? std::string("DISPLAY=") + display : "DISPLAY is not set";
    for (const char* variable : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      const char* value = std::getenv(variable);
      if (value && *value) where += std::string(", ") + variable + "=" + value;
    }
    std::fprintf(stderr, "Scorewright: no graphical display could be opened (%s)\n", where.c_str());
    std::fflush(stdout);
    std::fflush(stderr);
    // Qt is half-way through its constructor: no destructor or exit handler may run now.
    std::_Exit(1);
  }
};

}  // namespace

const std::function<void(Object&)>* ClassDescription::Event(std::string_view event) const {
  for (const auto& [name, implementation] : events) {
    if (name == event) return &implementation;
  }
  return nullptr;
}

bool RegisterProgramClass(const ClassRegistration& registration) {
  Registrations().push_back(registration);
  return true;
}

const ClassDescription* DescriptionOf(const std::type_info& type) {
  if (!run) return nullptr;
  auto it = run->classes.find(std::type_index(type));
  if (it != run->classes.end()) return &it->second;
  for (const auto& registration : Registrations()) {
    if (registration.type == std::type_index(type)) return &Describe(registration);
  }
  return nullptr;
}

void FaultPoint(std::string_view operation) {
  auto& faults = Hooks().faults;
  auto it = faults.find(operation);
  if (it != faults.end() && it->second > 0) {
    --it->second;
    throw RuntimeException("injected failure in " + std::string(operation));
  }
}

void TracePoint(std::string_view entry) {
  if (Hooks().tracing) Hooks().trace.emplace_back(entry);
}

void RuntimeInit() {
  if (run) return;
  run = new RunState;
  run->ui_thread = std::this_thread::get_id();
  try {
    TracePoint("RuntimeInit");
    FaultPoint("RuntimeInit");
    static int argc = 1;
    static char name[] = "scorewright";
    static char* argv[] = {name, nullptr};
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    {
      const QtStartMessages held;
      run->qt = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setApplicationName("Scorewright");
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
    for (const auto& registration : Registrations()) {
      const ClassDescription& description = Describe(registration);
      FaultPoint("StaticInitializer:" + description.name);
      if (registration.initialize_module) registration.initialize_module();
    }
  } catch (...) {
    run->pending = std::current_exception();
  }
}

std::exception_ptr _RuntimeTakePendingException() {
  if (!run) return nullptr;
  return std::exchange(run->pending, nullptr);
}

void _RuntimeSetExceptionHelper(ExceptionHelper helper) {
  FaultPoint("_RuntimeSetExceptionHelper");
  TracePoint("_RuntimeSetExceptionHelper");
  run->helper = helper;
}

void _RuntimeSetFrameworkVersion(double version) {
  FaultPoint("_RuntimeSetFrameworkVersion");
  TracePoint("_RuntimeSetFrameworkVersion");
  run->framework_version = version;
}

double _RuntimeFrameworkVersion() { return run ? run->framework_version : 0; }

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
    if (OpenWindows().empty()) Quit(1);
  }
}

void _RuntimeRun() {
  CheckUIThread();
  FaultPoint("_RuntimeRun");
  TracePoint("_RuntimeRun");
  if (run->quit_requested) return;
  run->loop_running = true;
  if (Hooks().on_loop_started) {
    QTimer::singleShot(0, run->qt.get(), [] {
      auto callback = std::exchange(Hooks().on_loop_started, nullptr);
      CallFromQt(callback);
    });
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
  auto& registrations = Registrations();
  for (auto it = registrations.rbegin(); it != registrations.rend(); ++it) {
    try {
      if (it->finalize_module) it->finalize_module();
    } catch (...) {
      ReportException(std::current_exception(), "finaliser");
    }
  }
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
    internal::StopUrlOpeners();
    // Deleting one window may delete others (a message box with a parent): hold them weakly.
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) windows.emplace_back(w);
    for (const auto& w : windows) delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  delete run;
  run = nullptr;
  return result;
}

void Quit(std::int32_t code) {
  CheckUIThread();
  FaultPoint("Quit");
  TracePoint("Quit");
  if (run->quitting) return;
  run->quitting = true;
  run->exit_code = code;
  for (const Ref<Window>& window : OpenWindows()) window->Close();
  run->quit_requested = true;
  if (run->loop_running) QCoreApplication::exit(code);
}

void CheckUIThread() {
  if (!run) throw ThreadAccessingUIException("no user interface: the runtime is not initialised");
  if (std::this_thread::get_id() != run->ui_thread) {
    throw ThreadAccessingUIException("a user-interface operation was called from a thread other "
                                     "than the main thread");
  }
}

std::string DescribeException(std::exception_ptr exception) {
  if (!exception) return "";
  try {
    std::rethrow_exception(exception);
  } catch (const RuntimeException& e) {
    return e.ClassName() + ": " + e.Message();
  } catch (const std::exception& e) {
    return DemangledName(typeid(e)) + ": " + e.what();
  } catch (...) {
    return "unknown exception";
  }
}

void ReportException(std::exception_ptr exception, std::string_view context) {
  try {
    std::string text = DescribeException(exception);
    Hooks().reports.push_back(text);
    std::cerr << "Scorewright: " << context << ": " << text << std::endl;
    // One box at a time: a handler that fails at every paint must not bury the windows in boxes.
    static QPointer<QMessageBox> shown;
    if (run && run->qt && run->loop_running && !shown) {
      shown = new QMessageBox(QMessageBox::Warning, QStringLiteral("Scorewright"),
                              QString::fromStdString("An error occurred: " + text),
                              QMessageBox::Ok);
      shown->setAttribute(Qt::WA_DeleteOnClose);
      shown->open();
    }
  } catch (...) {
    std::fputs("Scorewright: an error occurred while reporting an error\n", stderr);
  }
}

void CallFromQt(const std::function<void()>& code) noexcept {
  try {
    HandlerFunction function = [&code](const Ref<Object>&) { code(); };
    std::exception_ptr escaped =
        run && run->helper ? run->helper(function, nullptr) : BuiltInHelper(function, nullptr);
    if (escaped) ReportException(escaped, "event handler");
  } catch (...) {
    ReportException(std::current_exception(), "event handler");
  }
}

namespace internal {
QApplication* QtApplication() { return run ? run->qt.get() : nullptr; }
}  // namespace internal

namespace testing {
void FailNext(std::string operation, int count) { Hooks().faults[std::move(operation)] = count; }
void ClearFaults() { Hooks().faults.clear(); }
void RecordTrace(bool on) { Hooks().tracing = on; }
const std::vector<std::string>& Trace() { return Hooks().trace; }
void ClearTrace() { Hooks().trace.clear(); }
void OnEventLoopStarted(std::function<void()> callback) {
  Hooks().on_loop_started = std::move(callback);
}
const std::vector<std::string>& Reports() { return Hooks().reports; }
void ClearReports() { Hooks().reports.clear(); }
}  // namespace testing

}  // namespace fw
