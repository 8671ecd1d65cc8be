// Test-only hooks into the runtime: named fault points, a trace of the framework operations that
// the program calls, a callback when the event loop starts, and the reports of exceptions.
//
// Each named operation checks its fault point on entry: FailNext("_RuntimeRun") makes the next
// call of _RuntimeRun raise a RuntimeException, as a real failure there would.
#pragma once

#include <functional>
#include <string>
#include <string_view>
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

}  // namespace fw::testing

namespace fw {
// Raises if the test armed the operation's fault point; records the operation when tracing.
void FaultPoint(std::string_view operation);
void TracePoint(std::string_view entry);
}  // namespace fw
