// Calls between the framework's own files; the program never includes this header.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/internal.h is the framework's own header, not for program code"
#endif

#include <chrono>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/object.h"

class QMenuBar;
class QApplication;

namespace fw {
class MenuItem;
class Window;
}  // namespace fw

namespace fw::internal {

// runtime.cpp: the run's Qt application and its event loop, and the version that start-up told
// the runtime (0 outside a run).
QApplication* QtApplication();
bool EventLoopRunning();
double FrameworkVersion();

// class_registry.cpp: the program's class descriptions, given anew for each run.
void OpenClassRegistry();
void CloseClassRegistry();
void RunStaticInitializers();
void RunFinalizers();

// error_report.cpp: the run's exception helper is forgotten when the run ends.
void ForgetExceptionHelper();

// window_list.cpp: the framework's hold on windows. A window is held, front-most first, from its
// construction until it closes; a closed window is let go of once the event loop turns.
void HoldWindow(const Ref<Window>& window);
void BringWindowToFront(Window* window);
void ForgetWindow(Window* window);
void ReleaseAllWindows();
void ReleaseClosedWindows();
// For the runtime, which needs no more of windows than this: whether any window is open, and
// closing every open window as its close button would (Quit).
bool AnyWindowOpen();
void CloseOpenWindows();

// keyboard.cpp: the held-key tracker, installed for each run.
void InstallKeyTracker();
void RemoveKeyTracker();

// app_icon.cpp: the icon resource as every window's icon, when the resource is there.
void ApplyApplicationIcon();

// url_opener.cpp: the desktop's opener (xdg-open) for a link, started for ShowURL and watched for
// an early failure, which calls failed. The openers still watched when a run ends are let go, left
// running. Each is a child of the Qt application with this object name.
enum class UrlOpenerStart { kNoOpener, kStarted, kCouldNotStart };
UrlOpenerStart StartUrlOpener(const std::string& url, std::function<void()> failed);
void LetGoOfUrlOpeners();
inline constexpr const char* kUrlOpenerName = "fw_url_opener";

// menu.cpp: the application's menu bar, its menus and their items, added to a window's empty Qt
// menu bar (false, adding nothing, when the application has none). The Qt actions behind the
// items are made once per run and shared by every window's bar.
bool FillMenuBar(QMenuBar* qt_bar);
void ReleaseMenuActions();

// The tests' hooks, built in with SCOREWRIGHT_TESTING (the test builds) and defined in
// testing.cpp. Without it (the program as it ships) each hook below is an empty inline function:
// no fault point, trace point, report list or interception is left in the program.
#ifdef SCOREWRIGHT_TESTING

// Fault points and trace points cost a flag test unless a test armed a fault or turned tracing on.
extern bool faults_armed;
extern bool tracing;
void HitFaultPoint(std::string_view operation, std::string_view detail);
void RecordTracePoint(std::string_view entry, std::string_view detail);
void RecordReport(const std::string& text);
std::function<void()> TakeEventLoopStartedHook();
// True when a test took the URL instead of the desktop.
bool InterceptUrl(const std::string& url);
// The resource folders that a test set, or nil.
const std::vector<std::string>* TestResourceFolders();
// How long a URL opener has to report a failure: the usual grace unless a test set another.
std::chrono::milliseconds UrlOpenerGrace(std::chrono::milliseconds usual);

#else

inline void RecordReport(const std::string&) {}
inline std::function<void()> TakeEventLoopStartedHook() { return nullptr; }
inline bool InterceptUrl(const std::string&) { return false; }
inline const std::vector<std::string>* TestResourceFolders() { return nullptr; }
inline std::chrono::milliseconds UrlOpenerGrace(std::chrono::milliseconds usual) { return usual; }

#endif

}  // namespace fw::internal

namespace fw {

#ifdef SCOREWRIGHT_TESTING

// Raises a RuntimeException if a test armed the fault point of the operation (operation and
// detail together name it).
inline void FaultPoint(std::string_view operation, std::string_view detail = {}) {
  if (internal::faults_armed) internal::HitFaultPoint(operation, detail);
}

// Records the operation in the trace while a test records one.
inline void TracePoint(std::string_view entry, std::string_view detail = {}) {
  if (internal::tracing) internal::RecordTracePoint(entry, detail);
}
// The same, with the object's class name as the detail, asked for only while tracing.
inline void TracePoint(std::string_view entry, const Object& object) {
  if (internal::tracing) internal::RecordTracePoint(entry, object.ClassName());
}

#else

inline void FaultPoint(std::string_view, std::string_view = {}) {}
inline void TracePoint(std::string_view, std::string_view = {}) {}
inline void TracePoint(std::string_view, const Object&) {}

#endif

}  // namespace fw
