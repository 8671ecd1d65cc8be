#!/usr/bin/env bash
# Installs what is missing, builds Scorewright (incrementally) and launches it. With --sanitize:
# the sanitizer build that the tests use, run with their sanitizer options.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
if [ "${1:-}" = "--sanitize" ]; then
  ensure_packages libgtest-dev
  configure_and_build "$ROOT/build-sanitize" "${SANITIZE_CONFIGURATION[@]}"
  export_sanitizer_options
  exec "$ROOT/build-sanitize/scorewright"
fi
build_program
exec "$ROOT/build/scorewright"
