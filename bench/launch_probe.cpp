// Started by the launch benchmark: the real program up to its window's first expose, reported as
// every probe reports it (bench/probe_report.h).
#include <QMainWindow>
#include <QTest>
#include <cstdio>
#include <cstring>

#include "app/startup.h"
#include "bench/probe_report.h"
#include "framework/testing.h"
#include "framework/window.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "app") != 0) {
    std::fputs("usage: scorewright_launch_probe app\n", stderr);
    return 2;
  }
  fw::testing::OnEventLoopStarted([] {
    fw::Ref<fw::Window> window = fw::_GetImplicitWindow("Scorewright.Scorewright");
    if (!window) {
      fw::Quit(2);
      return;
    }
    if (QTest::qWaitForWindowExposed(fw::testing::QtWindowOf(*window))) sw_bench::ReportExposed();
    window->Close();
  });
  const int result = ScorewrightMain();
  sw_bench::ReportPeak();
  return result;
}
