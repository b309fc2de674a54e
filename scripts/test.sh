#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite, with no display or sound device
# needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Scores and settings written by tests must never reach the user's own files.
export XDG_DATA_HOME=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"' EXIT
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
