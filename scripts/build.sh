#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR), tests and benchmarks included. Arguments go to
# the configure step (e.g. -DQUAVIX_SANITIZE=thread); $BUILD_TARGETS limits what is built, and
# BUILD_TARGETS=none only configures.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUAVIX_BUILD_TESTS=ON \
  -DQUAVIX_SYSTEM_TESTS=ON -DQUAVIX_BUILD_BENCH=ON "${launcher[@]}" "$@" >/dev/null
[ "${BUILD_TARGETS:-}" = none ] && exit 0
targets=()
for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
