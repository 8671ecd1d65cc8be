// Starts either the real program ("app") or a bare Qt window of the grading window's content size
// ("bare"), waits for the window's first expose, writes "exposed" to stdout, and at exit writes
// "peak_kib N", its resident-set high-water mark (VmHWM) since its exec.
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "app/startup.h"
#include "framework/testing.h"
#include "framework/window.h"

namespace {

void ReportExposed() {
  std::fputs("exposed\n", stdout);
  std::fflush(stdout);
}

// Unlike the ru_maxrss that wait4 gives the parent, VmHWM leaves out the spawning process's own
// resident set, which Linux folds into the child's maximum when the child execs.
void ReportPeak() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) {
      std::printf("peak_kib %lld\n", std::atoll(line.c_str() + 6));
      std::fflush(stdout);
    }
  }
}

int RunApp() {
  fw::testing::OnEventLoopStarted([] {
    fw::Ref<fw::Window> window = fw::_GetImplicitWindow("Scorewright.Scorewright");
    if (!window) {
      fw::Quit(2);
      return;
    }
    if (QTest::qWaitForWindowExposed(fw::testing::QtWindowOf(*window))) ReportExposed();
    window->Close();
  });
  return ScorewrightMain();
}

int RunBare(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(780, 400);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  ReportExposed();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int result = 2;
  if (argc == 2 && std::strcmp(argv[1], "app") == 0) {
    result = RunApp();
  } else if (argc == 2 && std::strcmp(argv[1], "bare") == 0) {
    result = RunBare(argc, argv);
  } else {
    std::fputs("usage: scorewright_launch_probe app|bare\n", stderr);
    return 2;
  }
  ReportPeak();
  return result;
}
