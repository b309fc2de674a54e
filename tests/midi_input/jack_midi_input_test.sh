#!/usr/bin/env bash
# The MIDI input on a private JACK server started after it: found, fed a broken SysEx, let go
# of when the server stops. Needs no sound device.
set -uo pipefail
probe=$1 source=$2
. "$(dirname "$0")/../e2e/stale_jack.sh"
# Once, before any client: a client still attached to a registry cleared under it finds no server.
clear_stale_jack_registry
dir=$(mktemp -d)
export JACK_DEFAULT_SERVER=quavix-midi-test-$$
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
failures=0
check() {  # check WHAT COMMAND...
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
wait_for() {  # wait_for PATTERN [FILE]: a line of the probe's output, within 10 s
  local i
  for i in $(seq 100); do grep -q -- "$1" "$dir/${2:-out}" && return 0; sleep 0.1; done
  return 1
}
start_jack() {
  jackd -n "$JACK_DEFAULT_SERVER" --no-realtime -d dummy -r 48000 -p 256 >/dev/null 2>&1 &
  jack_pid=$!
  pids+=("$jack_pid")
}
send() {  # send LINE: one event from the keyboard, once it is written
  local line
  echo "$1" >&"${KEYS[1]}"
  read -r -t 5 line <&"${KEYS[0]}"
}

"$probe" >"$dir/out" 2>"$dir/err" &
pids+=($!)
sleep 1.5
start_jack
check "a JACK server started later is found" wait_for "^sources [0-9]*:Quavix:on$"
coproc KEYS { exec "$source" keys 2>/dev/null; }
pids+=("$KEYS_PID")
read -r -t 5 _ <&"${KEYS[0]}"
check "a keyboard on it is connected" wait_for "keys:out:on"
id=$(grep -o '[0-9]*:keys:out:on' "$dir/out" | head -1 | cut -d: -f1)

send "raw F0 7E 01"
send "on 60"
check "a note after an unterminated SysEx is heard" wait_for "^message $id 90 3C 64$"

kill "$jack_pid"
check "a server that stops is said once" wait_for "JACK server stopped" err
start_jack
check "a server started again is found again, under a new id" wait_for "^sources 3:Quavix:on$"
check "stderr has one line for no system and one for the stop, nothing more" \
  test "$(wc -l <"$dir/err")" -eq 2
[ "$failures" -eq 0 ] || { echo "--- output"; cat "$dir/out"; echo "--- stderr"; cat "$dir/err"; }
exit $((failures > 0))
