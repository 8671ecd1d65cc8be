// Started by the launch benchmark in front of every probe: writes "spawned T" (CLOCK_MONOTONIC,
// nanoseconds) just before it starts the probe given as its arguments, waits for it, then writes
// "maxrss_kib N" (the probe's ru_maxrss from wait4), "cpu_us N" (its user and system time, start to
// exit) and "status S". The probe shares its stdout.
//
// The probe must not be started by the benchmark itself: at exec Linux folds the resident-set
// high-water mark of the address space being replaced into the new program's ru_maxrss, and with
// posix_spawn (or fork) that is the benchmark's own ~30 MiB. This launcher is small and touches
// little memory, so the figure wait4 gives it is the probe's own.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

#include <cerrno>
#include <cstdio>

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: scorewright_spawn PROGRAM [ARGUMENT...]\n", stderr);
    return 2;
  }
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("spawned %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) return 2;
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) return 2;
  }
  const long long cpu_us = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                           usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
  std::printf("maxrss_kib %ld\ncpu_us %lld\nstatus %d\n", usage.ru_maxrss, cpu_us,
              WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
  return 0;
}
