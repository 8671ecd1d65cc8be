// Keystroke latency and recalculation in a running grading window, and launch time and peak
// memory of the program against a bare Qt window, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QTest>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/program.h"

extern char** environ;

namespace {

// The program up to its event loop, made on first use and kept for every in-process benchmark.
std::unique_ptr<sw_test::ProgramScope> program;

sw_test::ProgramScope& Program() {
  if (!program) program = std::make_unique<sw_test::ProgramScope>();
  return *program;
}

struct PaintCounter : QObject {
  explicit PaintCounter(QObject* target) { target->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
  long count = 0;
};

void BM_Keystroke(benchmark::State& state) {
  auto window = Program().window();
  window->LabBox()->EditCell(0, 1);
  auto cell = window->LabBox()->ActiveCell();
  QLineEdit* editor = cell ? fw::testing::EditorOf(*cell) : nullptr;
  if (!editor) {
    state.SkipWithError("cell (0, 1) has no editor");
    return;
  }
  QCoreApplication::processEvents();
  // Counts the paints of the score table, to show that every keystroke reached the screen.
  PaintCounter painted(fw::testing::ViewOf(*window->LabBox())->viewport());
  bool digit = true;
  for (auto _ : state) {
    QTest::keyClick(editor, digit ? Qt::Key_7 : Qt::Key_Backspace);
    // The table's one change notification, then the window's update request: Qt repaints what
    // changed (the edited cell, the grade scale's cells in view, the three labels) and flushes.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    digit = !digit;
  }
  state.counters["table_paints_per_key"] =
      benchmark::Counter(static_cast<double>(painted.count), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_Recalculate(benchmark::State& state) {
  auto window = Program().window();
  for (auto _ : state) {
    window->mainCalcMethod();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The whole window painted anew, every control, for comparison with the partial repaint above.
void BM_Repaint(benchmark::State& state) {
  auto window = Program().window();
  for (auto _ : state) fw::testing::QtWindowOf(*window)->repaint();
}
BENCHMARK(BM_Repaint)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

struct Launch {
  double seconds = 0;   // spawn to the "exposed" line
  double peak_mib = 0;  // the child's own VmHWM, from its "peak_kib" line
  std::string error;
};

std::vector<char*> OffscreenEnvironment(std::vector<std::string>& storage) {
  for (char** e = environ; *e; ++e) {
    if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) storage.emplace_back(*e);
  }
  storage.emplace_back("QT_QPA_PLATFORM=offscreen");
  std::vector<char*> env;
  for (auto& s : storage) env.push_back(s.data());
  env.push_back(nullptr);
  return env;
}

Launch LaunchOnce(const char* mode) {
  Launch result;
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) return {0, 0, "pipe failed"};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> storage;
  std::vector<char*> env = OffscreenEnvironment(storage);
  char probe[] = SCOREWRIGHT_LAUNCH_PROBE;
  std::string mode_arg = mode;
  char* argv[] = {probe, mode_arg.data(), nullptr};

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, probe, &actions, nullptr, argv, env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return {0, 0, std::string("cannot start ") + probe + ": " + std::strerror(spawned)};
  }

  std::string output;
  char buffer[256];
  bool exposed = false;
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    output.append(buffer, static_cast<std::size_t>(n));
    if (!exposed && output.find("exposed\n") != std::string::npos) {
      result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      exposed = true;
    }
  }
  close(out[0]);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (const auto at = output.find("peak_kib "); at != std::string::npos)
    result.peak_mib = std::atof(output.c_str() + at + 9) / 1024.0;
  if (!exposed) result.error = std::string(mode) + ": the probe never reported its window exposed";
  else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    result.error = std::string(mode) + ": the probe did not exit with 0";
  return result;
}

std::map<std::string, std::vector<Launch>> launches;

void BM_Launch(benchmark::State& state, const char* mode) {
  double peak_sum = 0;
  for (auto _ : state) {
    Launch launch = LaunchOnce(mode);
    if (!launch.error.empty()) {
      state.SkipWithError(launch.error.c_str());
      break;
    }
    state.SetIterationTime(launch.seconds);
    peak_sum += launch.peak_mib;
    launches[mode].push_back(launch);
  }
  state.counters["peak_rss_MiB"] = benchmark::Counter(peak_sum, benchmark::Counter::kAvgIterations);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Medians of every launch measured above, and app / bare.
void PrintLaunchSummary() {
  if (launches["app"].empty() || launches["bare"].empty()) return;
  auto median_of = [](const char* mode, double Launch::*field) {
    std::vector<double> values;
    for (const auto& l : launches[mode]) values.push_back(l.*field);
    return Median(values);
  };
  const double app_ms = median_of("app", &Launch::seconds) * 1e3;
  const double bare_ms = median_of("bare", &Launch::seconds) * 1e3;
  const double app_mib = median_of("app", &Launch::peak_mib);
  const double bare_mib = median_of("bare", &Launch::peak_mib);
  std::printf("\nLaunch, medians of %zu app and %zu bare runs:\n", launches["app"].size(),
              launches["bare"].size());
  std::printf("  spawn to exposed: app %.1f ms, bare %.1f ms, app/bare %.2f (target <= 1.30)\n",
              app_ms, bare_ms, app_ms / bare_ms);
  std::printf("  peak RSS:         app %.1f MiB, bare %.1f MiB, app/bare %.2f (target <= 1.25)\n",
              app_mib, bare_mib, app_mib / bare_mib);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  for (const char* mode : {"app", "bare"}) {
    benchmark::RegisterBenchmark((std::string("BM_Launch/") + mode).c_str(), BM_Launch, mode)
        ->Iterations(20)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  program.reset();
  benchmark::Shutdown();
  PrintLaunchSummary();
  return 0;
}
