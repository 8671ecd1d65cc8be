// What every launch probe writes to its standard output, the same way whatever it shows: the
// line "exposed" once its window is first exposed, "frame_kib N" once that first frame is painted
// (its resident-set high-water mark, VmHWM, at that moment), and at exit "peak_kib N", its
// VmHWM since its exec. The benchmark prints both beside wait4's figure.
//
// /proc/self/status is read with plain system calls: iostreams would bring in their own static
// set-up and locale, which the program measured does without.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace sw_bench {

// Never inlined: `valgrind --tool=callgrind --dump-before=*ReportExposed*` counts up to this call.
[[gnu::noinline]] inline void ReportExposed() {
  std::fputs("exposed\n", stdout);
  std::fflush(stdout);
}

// The VmHWM line of /proc/self/status as "<key> N", in KiB.
inline void ReportHighWaterMark(const char* key) {
  char status[4096];
  const int fd = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  const ssize_t n = read(fd, status, sizeof status - 1);
  close(fd);
  if (n <= 0) return;
  status[n] = '\0';
  if (const char* line = std::strstr(status, "\nVmHWM:")) {
    std::printf("%s %lld\n", key, std::atoll(line + 7));
    std::fflush(stdout);
  }
}

inline void ReportPeak() { ReportHighWaterMark("peak_kib"); }

// From its making (before the probe's window is shown), watches the application for the first
// paint of each window; Report then waits for the window's first expose and reports it, then for
// the end of its first painted frame and reports the memory held then.
class FirstFrame : public QObject {
 public:
  explicit FirstFrame(QObject* parent = nullptr) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
  }

  // False when the window is not exposed in time.
  bool Report(QWidget* window) {
    if (!QTest::qWaitForWindowExposed(window)) return false;
    ReportExposed();
    // A window is painted within the dispatch of one event, which has returned once this is true.
    (void)QTest::qWaitFor(
        [&] { return std::find(painted_.begin(), painted_.end(), window) != painted_.end(); });
    ReportHighWaterMark("frame_kib");
    return true;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      QWidget* window = static_cast<QWidget*>(watched)->window();
      if (std::find(painted_.begin(), painted_.end(), window) == painted_.end()) {
        painted_.push_back(window);
      }
    }
    return false;
  }

 private:
  std::vector<QWidget*> painted_;
};

}  // namespace sw_bench
