#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite, then builds and runs it again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then builds the program as it ships and
# checks that it holds nothing of the tests; fails on any failure or sanitizer report.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev libbenchmark-dev locales

# A German locale of the suite's own, so that the conversions are checked against a decimal comma.
export LOCPATH="$ROOT/build-tests/locales"
if [ ! -d "$LOCPATH/de_DE.UTF-8" ]; then
  mkdir -p "$LOCPATH"
  localedef -i de_DE -f UTF-8 "$LOCPATH/de_DE.UTF-8" || echo "no German locale: its test will skip"
fi

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

configure_and_build "$ROOT/build-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
  -DSCOREWRIGHT_TESTING=ON -DSCOREWRIGHT_BUILD_BENCH=ON
(cd "$ROOT/build-tests" && ctest --output-on-failure -j "$jobs")

configure_and_build "$ROOT/build-sanitize" "${SANITIZE_CONFIGURATION[@]}"
export_sanitizer_options
(cd "$ROOT/build-sanitize" && ctest --output-on-failure -j "$jobs")

# The program as it ships: built as run.sh builds it, it holds none of the tests' hooks, and it
# starts (and, with no display to open, says so in its one line and ends with status 1).
build_program
check_no_test_hooks "$ROOT/build/scorewright"
no_display="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$ROOT/build/scorewright" 2>&1)" &&
  status=0 || status=$?
if [ "$status" -ne 1 ] || [ "$no_display" != "Scorewright: no graphical display could be opened (DISPLAY is not set)" ]; then
  echo "the shipped program, started with no display, said \"$no_display\" and ended with $status" >&2
  exit 1
fi
