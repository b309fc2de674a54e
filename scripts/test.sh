#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite, with no display or sound device
# needed; then the sound and performance tests under ThreadSanitizer (build-tsan/) and the rest
# under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/). Each pass says how long it
# took. QUICK=1 runs the first pass only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Scores and settings written by tests must never reach the user's own files.
export XDG_DATA_HOME=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"' EXIT
sanitizers=$PWD/tests/sanitizers
sound_tests='^(sound|performance)\.'

pass() {  # pass NAME COMMAND...: runs the command and says how long it took
  local name=$1 start=$SECONDS
  shift
  "$@"
  echo "test: $name passed in $((SECONDS - start)) s" >&2
}

all_tests() {
  scripts/build.sh
  ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
}
pass "the whole suite" all_tests
[ "${QUICK:-0}" = 1 ] && exit 0

# The sound's threads: the loading, SDL's audio callback and the caller.
thread_tests() {
  BUILD_DIR=build-tsan BUILD_TARGETS="sound_tests performance_tests" scripts/build.sh \
    -DQUAVIX_SANITIZE=thread -DQUAVIX_BUILD_BENCH=OFF
  TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1" \
    ctest --test-dir build-tsan --output-on-failure -j"$(nproc)" -R "$sound_tests"
}
pass "ThreadSanitizer on the sound and performance tests" thread_tests

# Everything else, the program itself included (the process tests run it). The install tests
# only look at files, which no sanitizer changes; the desktop test runs in the first pass, since
# the sanitized program can be too slow for its display and sound server's time limits.
memory_tests() {
  BUILD_DIR=build-asan scripts/build.sh -DQUAVIX_SANITIZE=address,undefined -DQUAVIX_BUILD_BENCH=OFF
  ASAN_OPTIONS="detect_stack_use_after_return=1" \
    LSAN_OPTIONS="suppressions=$sanitizers/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="print_stacktrace=1" \
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E "$sound_tests|^install_|^e2e_"
}
pass "AddressSanitizer and UndefinedBehaviorSanitizer on the rest" memory_tests
