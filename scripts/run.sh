#!/usr/bin/env bash
# Installs what is missing, builds Scorewright (incrementally) and launches it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
build_program
exec "$ROOT/build/scorewright"
