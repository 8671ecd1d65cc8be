// Started by the launch benchmark: the real program up to its window's first frame, reported as
// every probe reports it (bench/probe_report.h). The probe watches through Qt alone, as it would
// watch any program: the framework is built as it ships, without the tests' hooks.
#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/startup.h"
#include "bench/probe_report.h"

namespace {

// Runs when the program makes its QApplication, before its window exists. Once the event loop
// runs, the program's window is reported and closed, which ends the program.
void WatchTheWindow() {
  auto* first_frame = new sw_bench::FirstFrame(QCoreApplication::instance());
  QTimer::singleShot(0, first_frame, [first_frame] {
    QMainWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* main = qobject_cast<QMainWindow*>(widget); main && main->isVisible()) window = main;
    }
    if (!window) {
      std::fputs("the program shows no window\n", stderr);
      return;
    }
    first_frame->Report(window);
    window->close();
  });
}
Q_COREAPP_STARTUP_FUNCTION(WatchTheWindow)

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "app") != 0) {
    std::fputs("usage: scorewright_launch_probe app\n", stderr);
    return 2;
  }
  const int result = ScorewrightMain();
  sw_bench::ReportPeak();
  return result;
}
