// Test-only hooks into the framework: named fault points, a trace of the framework operations
// that the program calls, a callback when the event loop starts, the reports of exceptions, URLs
// caught before they reach the desktop, the message boxes on screen, the resource folders, the
// version that start-up told the runtime, and the Qt objects behind the framework's own, which
// only the framework and these functions can reach.
//
// Each named operation checks its fault point on entry: FailNext("_RuntimeRun") makes the next
// call of _RuntimeRun raise a RuntimeException, as a real failure there would.
#pragma once

#ifndef SCOREWRIGHT_FRAMEWORK_INTERNALS
#error "framework/testing.h is for the tests, not for program code"
#endif

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QImage;
class QLineEdit;
class QMainWindow;
class QTableView;
class QWidget;

namespace fw {
class Graphics;
class Listbox;
class Picture;
class RectControl;
class TextEdit;
class Window;
}  // namespace fw

namespace fw::testing {

void FailNext(std::string operation, int count = 1);
void ClearFaults();

// Recording is off until a test turns it on; RuntimeInit does not clear it.
void RecordTrace(bool on);
const std::vector<std::string>& Trace();
void ClearTrace();

// Called once when the event loop of the current run starts, inside the loop.
void OnEventLoopStarted(std::function<void()> callback);

// Every exception reported by ReportException or _UnhandledException, as "Class: message", in
// the order reported since the process started. Nothing clears this record, so that no reader can
// hide a report from another: a reader takes ReportCount() as its mark and reads ReportsSince it.
std::size_t ReportCount();
std::vector<std::string> ReportsSince(std::size_t mark);

// While set, ShowURL hands its URLs to the interceptor instead of the desktop.
void InterceptUrls(std::function<void(const std::string&)> interceptor);
void StopInterceptingUrls();

// How long ShowURL's opener has to report a failure, until ResetUrlOpenerGrace; one still running
// then counts as having opened the link and is no longer watched.
void SetUrlOpenerGrace(std::chrono::milliseconds grace);
void ResetUrlOpenerGrace();
// The openers being watched now.
int UrlOpenersWatched();

// The texts of the message boxes on screen now.
std::vector<std::string> OpenMessageBoxTexts();

// Replaces the resource folders with these, in this order, until ResetResourceFolders.
void SetResourceFolders(std::vector<std::string> folders);
void ResetResourceFolders();

// The version that start-up told the runtime; 0 outside a run.
double FrameworkVersion();

// The widget behind the control; nil once the window that held it has gone.
QWidget* WidgetOf(const RectControl& control);
// The Qt window behind the window, and its content area, where the controls lie.
QMainWindow* QtWindowOf(const Window& window);
QWidget* ContentAreaOf(const Window& window);
// The list's table view; nil before the list is constructed.
QTableView* ViewOf(const Listbox& list);
// The cell's line editor; nil once its edit has ended.
QLineEdit* EditorOf(const TextEdit& edit);
const QImage& ImageOf(const Picture& picture);
// Ends the paint event that the Graphics draws for, as the framework does when the event returns.
void EndPaint(Graphics& graphics);

}  // namespace fw::testing
