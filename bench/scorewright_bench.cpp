// Keystroke latency and recalculation in a running grading window against the same keystroke in
// the floor (the window's controls in plain Qt, bench/floor_window.h), and launch time and peak
// memory of the program, the floor and a bare Qt window, all on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/floor_window.h"
#include "tests/support/program.h"

extern char** environ;

namespace {

// The program up to its event loop, made on first use and kept for every in-process benchmark.
std::unique_ptr<sw_test::ProgramScope> program;
// The floor, in the program's QApplication, made on first use.
std::unique_ptr<sw_bench::FloorWindow> floor_window;

sw_test::ProgramScope& Program() {
  if (!program) program = std::make_unique<sw_test::ProgramScope>();
  return *program;
}

sw_bench::FloorWindow& Floor() {
  Program();
  if (!floor_window) {
    floor_window = std::make_unique<sw_bench::FloorWindow>();
    floor_window->show();
    (void)QTest::qWaitForWindowExposed(floor_window.get());
  }
  return *floor_window;
}

struct PaintCounter : QObject {
  explicit PaintCounter(QObject* target) { target->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
  long count = 0;
};

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Mean seconds per key of every run of each keystroke benchmark, in the order they ran.
std::map<std::string, std::vector<double>> key_runs;

constexpr int kKeysPerRun = 1000;

// One key in the open cell editor, a digit or Backspace in turn, through what the window does on
// an edit (the program: the recalculation, the table's one change notification and the labels;
// the floor: the same arithmetic written to its labels and cells), to the window's update
// request, in which Qt repaints what changed and flushes the window. Each run activates its own
// window and opens the editor of cell (0, 1) anew, with its text selected, so that the program's
// and the floor's runs can be interleaved.
void RunKeystrokes(benchmark::State& state, const std::string& mode, QWidget* window,
                   QWidget* viewport, QLineEdit* (*open_editor)()) {
  window->activateWindow();
  QApplication::setActiveWindow(window);
  QCoreApplication::processEvents();
  QLineEdit* editor = open_editor();
  if (!editor) {
    state.SkipWithError("cell (0, 1) has no editor");
    return;
  }
  QCoreApplication::processEvents();
  // Counts the paints of the table, to show that every keystroke reached the screen.
  PaintCounter painted(viewport);
  bool digit = true;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    QTest::keyClick(editor, digit ? Qt::Key_7 : Qt::Key_Backspace);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    digit = !digit;
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  key_runs[mode].push_back(elapsed.count() / static_cast<double>(state.iterations()));
  state.counters["table_paints_per_key"] =
      benchmark::Counter(static_cast<double>(painted.count), benchmark::Counter::kAvgIterations);
}

void BM_Keystroke_Program(benchmark::State& state) {
  auto window = Program().window();
  RunKeystrokes(state, "program", fw::testing::QtWindowOf(*window), fw::testing::ViewOf(*window->LabBox())->viewport(), [] {
    auto box = Program().window()->LabBox();
    box->EditCell(0, 1);
    auto cell = box->ActiveCell();
    if (!cell) return static_cast<QLineEdit*>(nullptr);
    cell->SelectAll();
    return fw::testing::EditorOf(*cell);
  });
}
BENCHMARK(BM_Keystroke_Program)
    ->Name("BM_Keystroke/program")
    ->Iterations(kKeysPerRun)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_Keystroke_Floor(benchmark::State& state) {
  sw_bench::FloorWindow& window = Floor();
  RunKeystrokes(state, "floor", &window, window.table()->viewport(),
                [] { return Floor().EditCell(0, 1); });
}
BENCHMARK(BM_Keystroke_Floor)
    ->Name("BM_Keystroke/floor")
    ->Iterations(kKeysPerRun)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_Recalculate(benchmark::State& state) {
  auto window = Program().window();
  for (auto _ : state) {
    window->mainCalcMethod();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_Recalculate)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// The whole window painted anew, every control, for comparison with the partial repaint above.
void BM_Repaint(benchmark::State& state) {
  auto window = Program().window();
  for (auto _ : state) fw::testing::QtWindowOf(*window)->repaint();
}
BENCHMARK(BM_Repaint)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

struct Launch {
  double seconds = 0;      // the probe's start to its "exposed" line
  double maxrss_mib = 0;   // the probe's ru_maxrss, from wait4 in the launcher
  double frame_mib = 0;    // the probe's VmHWM at the end of its first painted frame
  double hwm_mib = 0;      // the probe's own VmHWM, for comparison
  double cpu_seconds = 0;  // the probe's user and system time to its exit, from wait4
  std::string error;
};

double MonotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double NumberAfter(const std::string& output, const std::string& key) {
  const auto at = output.find(key + ' ');
  return at == std::string::npos ? -1 : std::atof(output.c_str() + at + key.size() + 1);
}

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

Launch Failed(std::string error) {
  Launch failed;
  failed.error = std::move(error);
  return failed;
}

// Starts the probe for that mode through the launcher, which times its start and reports its
// ru_maxrss (bench/spawn_rusage.cpp).
Launch LaunchOnce(const std::string& mode) {
  Launch result;
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) return Failed("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> storage;
  std::vector<char*> env = OffscreenEnvironment(storage);
  std::string launcher = SCOREWRIGHT_SPAWN;
  std::string probe = mode == "program" ? SCOREWRIGHT_LAUNCH_PROBE : SCOREWRIGHT_FLOOR_PROBE;
  std::string probe_mode = mode == "program" ? "app" : mode;
  char* argv[] = {launcher.data(), probe.data(), probe_mode.data(), nullptr};

  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return Failed("cannot start " + launcher + ": " + std::strerror(spawned));
  }

  std::string output;
  char buffer[256];
  double exposed_at = -1;
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    output.append(buffer, static_cast<std::size_t>(n));
    if (exposed_at < 0 && output.find("exposed\n") != std::string::npos) {
      exposed_at = MonotonicSeconds();
    }
  }
  close(out[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }

  const double started_ns = NumberAfter(output, "spawned");
  result.seconds = exposed_at - started_ns * 1e-9;
  result.maxrss_mib = NumberAfter(output, "maxrss_kib") / 1024.0;
  result.frame_mib = NumberAfter(output, "frame_kib") / 1024.0;
  result.hwm_mib = NumberAfter(output, "peak_kib") / 1024.0;
  result.cpu_seconds = NumberAfter(output, "cpu_us") * 1e-6;
  if (exposed_at < 0 || started_ns < 0) {
    result.error = mode + ": the probe never reported its window exposed";
  } else if (result.frame_mib < 0) {
    result.error = mode + ": the probe never reported its first frame";
  } else if (NumberAfter(output, "status") != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    result.error = mode + ": the probe did not exit with 0";
  }
  return result;
}

const std::array<std::string, 3> kModes = {"program", "floor", "bare"};
// One launch of each mode per round.
std::vector<std::map<std::string, Launch>> rounds;

// Each iteration is one round: the three modes one after another, the first one rotating from
// round to round, so that none always starts right after another or on a warm page cache alone.
// The iteration's time is the program's launch.
void BM_Launch(benchmark::State& state) {
  std::size_t first = 0;
  for (auto _ : state) {
    std::map<std::string, Launch> round;
    for (std::size_t i = 0; i < kModes.size(); ++i) {
      const std::string& mode = kModes[(first + i) % kModes.size()];
      Launch launch = LaunchOnce(mode);
      if (!launch.error.empty()) {
        state.SkipWithError(launch.error.c_str());
        return;
      }
      round[mode] = launch;
    }
    first = (first + 1) % kModes.size();
    state.SetIterationTime(round["program"].seconds);
    rounds.push_back(round);
  }
}

struct Spread {
  double min = 0, median = 0, max = 0;
};

Spread SpreadOf(const std::vector<double>& values) {
  if (values.empty()) return {};
  return {*std::min_element(values.begin(), values.end()), Median(values),
          *std::max_element(values.begin(), values.end())};
}

void PrintRow(const char* what, const Spread& s, const char* format) {
  std::printf("  %-22s", what);
  for (double v : {s.min, s.median, s.max}) std::printf(format, v);
  std::printf("\n");
}

// Per round: each mode's figure and the three ratios, then min, median and max over the rounds.
void PrintLaunchFigure(const char* title, double Launch::*field, double scale, const char* unit) {
  std::map<std::string, std::vector<double>> values;
  std::vector<double> program_floor, program_bare, floor_bare;
  for (auto& round : rounds) {
    for (const auto& mode : kModes) values[mode].push_back(round[mode].*field * scale);
    program_floor.push_back(round["program"].*field / round["floor"].*field);
    program_bare.push_back(round["program"].*field / round["bare"].*field);
    floor_bare.push_back(round["floor"].*field / round["bare"].*field);
  }
  std::printf("%s%*s%10s%10s%10s\n", title, static_cast<int>(24 - std::strlen(title)), "", "min",
              "median", "max");
  for (const auto& mode : kModes) {
    const std::string label = mode + " (" + unit + ")";
    PrintRow(label.c_str(), SpreadOf(values[mode]),
             std::strcmp(unit, "MiB") == 0 ? "%10.2f" : "%10.1f");
  }
  PrintRow("program / floor", SpreadOf(program_floor), "%10.3f");
  PrintRow("program / bare", SpreadOf(program_bare), "%10.3f");
  PrintRow("floor / bare", SpreadOf(floor_bare), "%10.3f");
}

void PrintSummary() {
  if (!rounds.empty()) {
    std::printf("\nLaunch, %zu rounds of program, floor and bare window, ratios per round:\n",
                rounds.size());
    PrintLaunchFigure("start to first expose", &Launch::seconds, 1e3, "ms");
    PrintLaunchFigure("peak RSS (wait4)", &Launch::maxrss_mib, 1, "MiB");
    PrintLaunchFigure("first frame (VmHWM)", &Launch::frame_mib, 1, "MiB");
    PrintLaunchFigure("peak RSS (VmHWM)", &Launch::hwm_mib, 1, "MiB");
    PrintLaunchFigure("CPU time to exit", &Launch::cpu_seconds, 1e3, "ms");
  }
  const auto& app_runs = key_runs["program"];
  const auto& floor_runs = key_runs["floor"];
  if (!app_runs.empty() && !floor_runs.empty()) {
    std::vector<double> app_us, floor_us;
    for (double s : app_runs) app_us.push_back(s * 1e6);
    for (double s : floor_runs) floor_us.push_back(s * 1e6);
    const Spread app = SpreadOf(app_us), floor = SpreadOf(floor_us);
    std::printf("\nKeystroke to repainted window, runs of %d keys:\n", kKeysPerRun);
    std::printf("%-24s%10s%10s%10s\n", "per key", "min", "median", "max");
    PrintRow("program (us)", app, "%10.1f");
    PrintRow("floor (us)", floor, "%10.1f");
    // The runs interleave at random, so a run has no partner: the ratios are of the minima (the
    // runs least disturbed by the rest of the machine) and of the medians.
    std::printf("  %-22s%10.3f%10.3f\n", "program / floor", app.min / floor.min,
                app.median / floor.median);
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // --launch_rounds=N: how many rounds of launches (20 unless given).
  int launch_rounds = 20;
  std::vector<char*> args;
  bool interleaving_given = false;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--launch_rounds=", 16) == 0) {
      launch_rounds = std::max(1, std::atoi(argv[i] + 16));
      continue;
    }
    if (std::strncmp(argv[i], "--benchmark_enable_random_interleaving", 38) == 0) {
      interleaving_given = true;
    }
    args.push_back(argv[i]);
  }
  // The program's and the floor's keystroke runs alternate at random unless told otherwise, so
  // that a burst of load elsewhere on the machine falls on both.
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  if (!interleaving_given) args.insert(args.begin() + 1, interleave);
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  benchmark::RegisterBenchmark("BM_Launch", BM_Launch)
      ->Iterations(launch_rounds)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  floor_window.reset();
  program.reset();
  benchmark::Shutdown();
  PrintSummary();
  return 0;
}
