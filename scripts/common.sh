# Shared by run.sh and test.sh: installs the Debian packages the build needs when any is missing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

ensure_packages() {
  local missing=()
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core)

configure_and_build() {  # build-dir, then extra cmake arguments
  local dir="$1"
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir" --parallel "$(nproc)"
}

# The program as run.sh launches it and as it is installed: no tests, none of the tests' hooks.
build_program() {
  configure_and_build "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DSCOREWRIGHT_TESTING=OFF
}

# Fails when the executable holds anything of the tests' hooks: fw::testing, a fault or trace
# point, the list of reports, the URL interceptor or the resource folders a test sets.
check_no_test_hooks() {  # executable
  local found
  found="$(nm -C "$1" | grep -E 'fw::testing::|fw::internal::(faults_armed|tracing|HitFaultPoint|RecordTracePoint|RecordReport|TakeEventLoopStartedHook|InterceptUrl|TestResourceFolders)' || true)"
  if [ -n "$found" ]; then
    echo "$1 holds the tests' hooks:" >&2
    echo "$found" | head -20 >&2
    return 1
  fi
  echo "$1 holds none of the tests' hooks"
}

# The sanitizer build, for its tests and for running the program on a display.
SANITIZE_CONFIGURATION=(-DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DSCOREWRIGHT_TESTING=ON
  -DSCOREWRIGHT_SANITIZE=ON)

export_sanitizer_options() {
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$ROOT/tests/asan.supp"
  export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
}
