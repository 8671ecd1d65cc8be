// Started by the launch benchmark: the floor, the grading window's controls in plain Qt ("floor"),
// or an empty QWidget of the window's content size ("bare"), up to its first expose. No framework
// is linked in; the application is set up as the framework sets up its own.
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstring>

#include "bench/floor_window.h"
#include "bench/probe_report.h"

namespace {

int Show(QWidget& window) {
  sw_bench::FirstFrame first_frame;
  window.show();
  return first_frame.Report(&window) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool floor = argc == 2 && std::strcmp(argv[1], "floor") == 0;
  const bool bare = argc == 2 && std::strcmp(argv[1], "bare") == 0;
  if (!floor && !bare) {
    std::fputs("usage: scorewright_floor_probe floor|bare\n", stderr);
    return 2;
  }
  QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  int result = 2;
  {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scorewright"));
    if (floor) {
      sw_bench::FloorWindow window;
      result = Show(window);
    } else {
      QWidget window;
      window.resize(780, 400);
      result = Show(window);
    }
  }
  sw_bench::ReportPeak();
  return result;
}
