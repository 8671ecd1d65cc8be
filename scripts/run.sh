#!/usr/bin/env bash
# Installs what is missing, builds Scorewright (incrementally) and launches it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
configure_and_build "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
exec "$ROOT/build/scorewright"
