#include "framework/testing.h"

#include <map>
#include <mutex>
#include <utility>

#include "framework/exceptions.h"
#include "framework/internal.h"

namespace fw {

namespace {

struct TestHooks {
  std::map<std::string, int, std::less<>> faults;
  std::vector<std::string> trace;
  std::function<void()> on_loop_started;
  std::mutex reports_mutex;  // a handler on another thread may report too
  std::vector<std::string> reports;
};

TestHooks& Hooks() {
  static TestHooks hooks;
  return hooks;
}

void UpdateFaultsArmed() {
  internal::faults_armed = false;
  for (const auto& [operation, count] : Hooks().faults) {
    if (count > 0) internal::faults_armed = true;
  }
}

}  // namespace

namespace internal {

bool faults_armed = false;
bool tracing = false;

void HitFaultPoint(std::string_view operation, std::string_view detail) {
  std::string name(operation);
  name += detail;
  auto& faults = Hooks().faults;
  auto it = faults.find(name);
  if (it == faults.end() || it->second <= 0) return;
  --it->second;
  UpdateFaultsArmed();
  throw RuntimeException("injected failure in " + name);
}

void RecordTracePoint(std::string_view entry, std::string_view detail) {
  std::string line(entry);
  line += detail;
  Hooks().trace.push_back(std::move(line));
}

void RecordReport(const std::string& text) {
  std::lock_guard lock(Hooks().reports_mutex);
  Hooks().reports.push_back(text);
}

std::function<void()> TakeEventLoopStartedHook() {
  return std::exchange(Hooks().on_loop_started, nullptr);
}

}  // namespace internal

namespace testing {

void FailNext(std::string operation, int count) {
  Hooks().faults[std::move(operation)] = count;
  UpdateFaultsArmed();
}

void ClearFaults() {
  Hooks().faults.clear();
  internal::faults_armed = false;
}

void RecordTrace(bool on) { internal::tracing = on; }
const std::vector<std::string>& Trace() { return Hooks().trace; }
void ClearTrace() { Hooks().trace.clear(); }

void OnEventLoopStarted(std::function<void()> callback) {
  Hooks().on_loop_started = std::move(callback);
}

std::size_t ReportCount() {
  std::lock_guard lock(Hooks().reports_mutex);
  return Hooks().reports.size();
}

std::vector<std::string> ReportsSince(std::size_t mark) {
  std::lock_guard lock(Hooks().reports_mutex);
  const auto& reports = Hooks().reports;
  if (mark >= reports.size()) return {};
  return {reports.begin() + static_cast<std::ptrdiff_t>(mark), reports.end()};
}

}  // namespace testing

}  // namespace fw
