#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite, then builds and runs it again
# under AddressSanitizer and UndefinedBehaviorSanitizer; fails on any failure or sanitizer report.
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
  -DSCOREWRIGHT_BUILD_BENCH=ON
(cd "$ROOT/build-tests" && ctest --output-on-failure -j "$jobs")

configure_and_build "$ROOT/build-sanitize" "${SANITIZE_CONFIGURATION[@]}"
export_sanitizer_options
(cd "$ROOT/build-sanitize" && ctest --output-on-failure -j "$jobs")
