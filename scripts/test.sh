#!/usr/bin/env bash
# Sets everything up, checks the formatting, builds and runs the whole test suite, with no display
# or sound device needed, in three builds:
#   build-test/  the program as released: the desktop test (Xvfb, PulseAudio), the install,
#                package and translation tests; the benchmarks are built, not run;
#   build-asan/  AddressSanitizer and UndefinedBehaviorSanitizer: every unit test and the desktop
#                test again;
#   build-tsan/  ThreadSanitizer: the tests of the sound, whose threads are its own.
# A sanitizer build compiles at the lowest priority while the build before it runs its desktop
# test, which mostly waits. PASSES picks passes (default: "plain memory threads"); the figures at
# the end say how long each step took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
passes=" ${PASSES:-plain memory threads} "
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Without a session bus SDL forks a D-Bus launcher at start-up; under AddressSanitizer that child
# can deadlock and spin as an orphan that holds ctest's output open.
export DBUS_SESSION_BUS_ADDRESS=disabled:
# Scores and settings written by tests must never reach the user's own files.
export XDG_DATA_HOME=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
declare -A background_pid background_log
cleanup() {
  local pid
  for pid in "${background_pid[@]}"; do kill -- -"$pid" 2>/dev/null || true; done
  rm -rf "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "${background_log[@]}"
}
trap cleanup EXIT
sanitizers=$PWD/tests/sanitizers

figures=() failed=()
step() {  # step NAME COMMAND...: runs the command and notes how long it took
  local name=$1 begin=$SECONDS status=0
  shift
  echo "test: $name" >&2
  "$@" || status=$?
  figures+=("$(printf '%4d s  %s' $((SECONDS - begin)) "$name")")
  return "$status"
}
# A pass whose tests fail lets the next passes run; the command fails at the end.
test_step() {  # test_step NAME COMMAND...
  step "$@" || failed+=("$1")
}
has() { [[ $passes == *" $1 "* ]]; }

configure() {  # configure DIR CMAKE_ARGS...
  BUILD_DIR=$1 BUILD_TARGETS=none scripts/build.sh -DCMAKE_UNITY_BUILD=ON "${@:2}"
}
build() {  # build DIR [TARGET...]
  local dir=$1 targets=() target
  shift
  for target; do targets+=(--target "$target"); done
  cmake --build "$dir" -j"$jobs" "${targets[@]}"
}
export -f configure build
export jobs

# Runs a command in the background at the lowest priority, in a process group of its own (so that
# an early exit stops all of it), its output kept in a log that is shown only if it fails; finish
# NAME waits for it.
in_background() {  # in_background NAME COMMAND...
  local name=$1
  shift
  background_log[$name]=$(mktemp)
  setsid nice -n 19 bash -c '"$@"' "$name" "$@" >"${background_log[$name]}" 2>&1 &
  background_pid[$name]=$!
}
finish() {  # finish NAME
  local name=$1 status=0
  wait "${background_pid[$name]}" || status=$?
  unset "background_pid[$name]"
  if [ "$status" -ne 0 ]; then
    cat "${background_log[$name]}" >&2
    echo "test: $name failed" >&2
  fi
  return "$status"
}
started() { [ -n "${background_pid[$1]:-}" ]; }

total=$SECONDS
echo "test: load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
test_step "clang-format" bash -c "find core platform ui tests bench tools -name '*.cpp' -o -name '*.h' |
  xargs clang-format --dry-run --Werror"

plain_tests() {
  ctest --test-dir build-test --output-on-failure -j"$jobs"
}
memory_tests() {
  ASAN_OPTIONS="detect_stack_use_after_return=1" \
    LSAN_OPTIONS="suppressions=$sanitizers/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="print_stacktrace=1" \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -E '^(install|translations)_'
}
thread_tests() {
  TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1" \
    ctest --test-dir build-tsan --output-on-failure -j"$jobs" -L sound
}

# The sanitizer builds configure while the plain one compiles.
if has memory; then
  in_background "configure build-asan" configure build-asan -DCMAKE_BUILD_TYPE=Check \
    -DQUAVIX_SANITIZE=address,undefined -DQUAVIX_BUILD_BENCH=OFF
fi
if has threads; then
  in_background "configure build-tsan" configure build-tsan -DCMAKE_BUILD_TYPE=Check \
    -DQUAVIX_SANITIZE=thread -DQUAVIX_SYSTEM_TESTS=OFF -DQUAVIX_BUILD_BENCH=OFF
fi

start_memory_build() {
  finish "configure build-asan"
  in_background "build build-asan" build build-asan
}
# Then the ThreadSanitizer build and the benchmarks (built, not run: scripts/figures.sh runs
# them), one after the other, in what time the memory pass leaves.
later_builds() {  # later_builds THREADS PLAIN, each yes or no
  if [ "$1" = yes ]; then build build-tsan sound_tests performance_tests; fi
  if [ "$2" = yes ]; then build build-test; fi
}
export -f later_builds
start_later_builds() {
  local threads=no plain=no
  if has threads; then finish "configure build-tsan"; threads=yes; fi
  if has plain; then plain=yes; fi
  in_background "later builds" later_builds "$threads" "$plain"
}

if has plain; then
  # The package test's cpack would otherwise build the benchmarks first, while the tests run.
  step "plain: configure" configure build-test -DCMAKE_BUILD_TYPE=Release -DQUAVIX_BUILD_TESTS=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
  step "plain: build" build build-test quavix audio_probe x_close_window jack_midi_source \
    render_note
  if has memory; then start_memory_build; fi
  test_step "plain: tests" plain_tests
fi

if has memory; then
  started "build build-asan" || start_memory_build
  step "memory: rest of the build" finish "build build-asan"
  start_later_builds
  test_step "memory: tests" memory_tests
fi

started "later builds" || start_later_builds
step "rest of the builds (ThreadSanitizer, benchmarks)" finish "later builds"
if has threads; then test_step "threads: tests" thread_tests; fi

figures+=("$(printf '%4d s  %s' $((SECONDS - total)) "in all, after the set-up")")
printf 'test: %s\n' "${figures[@]}" >&2
if [ ${#failed[@]} -gt 0 ]; then
  printf 'test: FAILED: %s\n' "${failed[@]}" >&2
  exit 1
fi
