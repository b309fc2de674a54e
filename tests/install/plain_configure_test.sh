#!/usr/bin/env bash
# Configures the source tree as the README's install recipe does, with GoogleTest and Google
# Benchmark out of reach: the program is built, and neither is needed.
set -euo pipefail
source=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cmake -S "$source" -B "$out" -G Ninja --no-warn-unused-cli -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
targets=$(ninja -C "$out" -t targets all)
grep -q '^ui/quavix:' <<<"$targets"
if grep -Eq '^(tests|bench)/' <<<"$targets"; then
  echo "a plain configure builds tests or benchmarks" >&2
  exit 1
fi
