#!/usr/bin/env bash
# Sets everything up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec "${BUILD_DIR:-build}/ui/quavix" "$@"
