// Calls between the framework's own files; the program never includes this header.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "framework/object.h"

class QAction;
class QApplication;

namespace fw {
class MenuItem;
class Window;
}  // namespace fw

namespace fw::internal {

// runtime.cpp: the run's Qt application and its event loop.
QApplication* QtApplication();
bool EventLoopRunning();

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

// keyboard.cpp: the held-key tracker, installed for each run.
void InstallKeyTracker();
void RemoveKeyTracker();

// picture.cpp: the icon resource as every window's icon, when the resource is there.
void ApplyApplicationIcon();

// desktop.cpp: the desktop openers still watched when a run ends are let go, left running.
void LetGoOfUrlOpeners();

// menu.cpp: the Qt actions behind the menu bar, made for each run and shared by every window's bar.
QAction* MenuAction(const Ref<MenuItem>& item);
void ReleaseMenuActions();

// testing.cpp: what the tests' hooks observe and arm. Fault points and trace points cost a flag
// test unless a test armed a fault or turned tracing on.
extern bool faults_armed;
extern bool tracing;
void HitFaultPoint(std::string_view operation, std::string_view detail);
void RecordTracePoint(std::string_view entry, std::string_view detail);
void RecordReport(const std::string& text);
std::function<void()> TakeEventLoopStartedHook();

}  // namespace fw::internal

namespace fw {

// Raises a RuntimeException if a test armed the fault point of the operation (operation and
// detail together name it).
inline void FaultPoint(std::string_view operation, std::string_view detail = {}) {
  if (internal::faults_armed) internal::HitFaultPoint(operation, detail);
}

// Records the operation in the trace while a test records one.
inline void TracePoint(std::string_view entry, std::string_view detail = {}) {
  if (internal::tracing) internal::RecordTracePoint(entry, detail);
}

}  // namespace fw
