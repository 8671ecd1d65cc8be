// What every launch probe writes to its standard output, the same way whatever it shows: the
// line "exposed" once its window is first exposed, and at exit "peak_kib N", its own resident-set
// high-water mark (VmHWM) since its exec, which the benchmark prints beside wait4's figure.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace sw_bench {

// Never inlined: `valgrind --tool=callgrind --dump-before=*ReportExposed*` counts up to this call.
[[gnu::noinline]] inline void ReportExposed() {
  std::fputs("exposed\n", stdout);
  std::fflush(stdout);
}

inline void ReportPeak() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) {
      std::printf("peak_kib %lld\n", std::atoll(line.c_str() + 6));
      std::fflush(stdout);
    }
  }
}

}  // namespace sw_bench
