// The tests' hooks into the framework, in the test builds alone (SCOREWRIGHT_TESTING).
#include "framework/testing.h"

#include <QApplication>
#include <QMessageBox>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "framework/exceptions.h"
#include "framework/internal.h"
#include "framework/qt_support.h"

namespace fw {

namespace {

struct TestHooks {
  std::map<std::string, int, std::less<>> faults;
  std::vector<std::string> trace;
  std::function<void()> on_loop_started;
  std::mutex reports_mutex;  // a handler on another thread may report too
  std::vector<std::string> reports;
  std::function<void(const std::string&)> url_interceptor;
  std::optional<std::vector<std::string>> resource_folders;
  std::optional<std::chrono::milliseconds> url_opener_grace;
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

bool InterceptUrl(const std::string& url) {
  if (!Hooks().url_interceptor) return false;
  Hooks().url_interceptor(url);
  return true;
}

std::chrono::milliseconds UrlOpenerGrace(std::chrono::milliseconds usual) {
  return Hooks().url_opener_grace.value_or(usual);
}

const std::vector<std::string>* TestResourceFolders() {
  return Hooks().resource_folders ? &*Hooks().resource_folders : nullptr;
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

void InterceptUrls(std::function<void(const std::string&)> interceptor) {
  Hooks().url_interceptor = std::move(interceptor);
}

void StopInterceptingUrls() { Hooks().url_interceptor = nullptr; }

void SetUrlOpenerGrace(std::chrono::milliseconds grace) { Hooks().url_opener_grace = grace; }

void ResetUrlOpenerGrace() { Hooks().url_opener_grace.reset(); }

int UrlOpenersWatched() {
  if (!QCoreApplication::instance()) return 0;
  return static_cast<int>(QCoreApplication::instance()
                              ->findChildren<QObject*>(QLatin1String(internal::kUrlOpenerName),
                                                       Qt::FindDirectChildrenOnly)
                              .size());
}

std::vector<std::string> OpenMessageBoxTexts() {
  std::vector<std::string> texts;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
      texts.push_back(qt::FromQ(box->text()));
    }
  }
  return texts;
}

void SetResourceFolders(std::vector<std::string> folders) {
  Hooks().resource_folders = std::move(folders);
}

void ResetResourceFolders() { Hooks().resource_folders.reset(); }

double FrameworkVersion() { return internal::FrameworkVersion(); }

}  // namespace testing

}  // namespace fw
