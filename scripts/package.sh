#!/usr/bin/env bash
# Builds the Debian package into build-pkg/: installed under /usr, data files read from
# /usr/share/quavix and never from this source tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQUAVIX_RUN_FROM_SOURCE=OFF -DQUAVIX_BUILD_TESTS=OFF -DQUAVIX_BUILD_BENCH=OFF >/dev/null
cmake --build build-pkg -j"$(nproc)"
(cd build-pkg && cpack)
ls build-pkg/quavix_*.deb
