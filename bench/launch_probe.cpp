// Starts either the real program ("app") or a bare Qt window of the grading window's content size
// ("bare"), waits for the window's first expose, writes "exposed" to stdout and exits.
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <cstring>

#include "app/startup.h"
#include "framework/testing.h"
#include "framework/window.h"

namespace {

void ReportExposed() {
  std::fputs("exposed\n", stdout);
  std::fflush(stdout);
}

int RunApp() {
  fw::testing::OnEventLoopStarted([] {
    fw::Ref<fw::Window> window = fw::_GetImplicitWindow("Scorewright.Scorewright");
    if (!window) {
      fw::Quit(2);
      return;
    }
    if (QTest::qWaitForWindowExposed(window->_QtWindow())) ReportExposed();
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
  if (argc == 2 && std::strcmp(argv[1], "app") == 0) return RunApp();
  if (argc == 2 && std::strcmp(argv[1], "bare") == 0) return RunBare(argc, argv);
  std::fputs("usage: scorewright_launch_probe app|bare\n", stderr);
  return 2;
}
