// Test-only hooks into the framework: named fault points, a trace of the framework operations
// that the program calls, a callback when the event loop starts, the reports of exceptions, URLs
// caught before they reach the desktop, the message boxes on screen, the resource folders and the
// version that start-up told the runtime.
//
// Each named operation checks its fault point on entry: FailNext("_RuntimeRun") makes the next
// call of _RuntimeRun raise a RuntimeException, as a real failure there would.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fw::testing {

void FailNext(std::string operation, int count = 1);
void ClearFaults();

// Recording is off until a test turns it on; RuntimeInit does not clear it.
void RecordTrace(bool on);
const std::vector<std::string>& Trace();
void ClearTrace();

// Called once when the event loop of the current run starts, inside the loop.
void OnEventLoopStarted(std::function<void()> callback);

// Every exception reported by ReportException or _UnhandledException, as "Class: message".
const std::vector<std::string>& Reports();
void ClearReports();

// While set, ShowURL hands its URLs to the interceptor instead of the desktop.
void InterceptUrls(std::function<void(const std::string&)> interceptor);
void StopInterceptingUrls();

// The texts of the message boxes on screen now.
std::vector<std::string> OpenMessageBoxTexts();

// Replaces the resource folders with these, in this order, until ResetResourceFolders.
void SetResourceFolders(std::vector<std::string> folders);
void ResetResourceFolders();

// The version that start-up told the runtime; 0 outside a run.
double FrameworkVersion();

}  // namespace fw::testing
