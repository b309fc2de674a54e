#!/usr/bin/env bash
# End-to-end: runs the game on a real X display and sound server and plays it with the mouse.
# Usage: desktop_test.sh QUAVIX AUDIO_PROBE X_CLOSE_WINDOW
set -euo pipefail
quavix=$1 probe=$2 closer=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/desktop_session.sh"

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

start_desktop_session
start_recorder

export XDG_DATA_HOME=$session_dir/data
# The loudness and pitch checks hold for this SoundFont, whichever default-GM.sf2 points at.
export QUAVIX_SOUNDFONT=/usr/share/sounds/sf2/TimGM6mb.sf2
cd "$session_dir"
"$quavix" 2>"$session_dir/quavix.err" &
quavix_pid=$!
wid=$(wait_for_window Quavix)

# --- The window at rest -----------------------------------------------------------------------
sleep 1
shot idle
check "background is light yellow" pixel_is idle 4 4 255 255 128
check "band is black" pixel_is idle 12 330 0 0 0
check "start button is light cyan" pixel_is idle 40 360 128 255 255
check "white key is white" pixel_is idle 14 500 255 255 255
check "lowest black key is black" pixel_is idle 32 430 0 0 0
check "white keys have visible edges" pixel_is_dark idle 128 500
check "no card in sight" test "$(card_box idle)" = none

# --- Sound: the tune while idle, a key while held --------------------------------------------
mark=$(recording_mark); sleep 3
check "background tune is heard while idle" audio_louder_than "$(recording_since "$mark")" 0.002

mark=$(recording_mark)
press_key_at 404 500 1.5   # Command1(16), middle C
sleep 2
read -r peak ratio tail < <("$probe" tone "$(recording_since "$mark")" 261.63)
echo "middle C: peak $peak, ratio to neighbours $ratio, left after release $tail"
check "a held key sounds at its pitch" awk "BEGIN{exit !($ratio > 3)}"
check "the key stops after release" awk "BEGIN{exit !($tail < 0.1)}"

# --- A game ------------------------------------------------------------------------------------
click_at 64 352            # 游戏开始
sleep 1
t0=$(date +%s.%N); shot falling1
sleep 5
t1=$(date +%s.%N); shot falling2
b0=$(card_bottom falling1); b1=$(card_bottom falling2)
speed=$(awk "BEGIN{print ($b1 - $b0) / ($t1 - $t0)}")
echo "card bottom $b0 -> $b1 px: $speed px/s (weight 20: 100 twips/s = 6.67 px/s)"
check "the card falls at the speed of weight 20" awk "BEGIN{exit !($speed > 5.3 && $speed < 8)}"

click_at 404 500           # the answer at a score of 0 is always middle C
shot answered
b2=$(card_bottom answered)
echo "after a correct answer the card's bottom is at $b2 px"
check "a correct answer brings a new card at once" awk "BEGIN{exit !($b2 < $b1 - 20)}"

click_at 500 500           # G4: wrong
sleep 0.3
shot wrong
check "a wrong answer turns the answer key red" pixel_is wrong 404 500 255 0 0
click_at 404 500           # right again: +10 from 0

# --- Closing keeps the points --------------------------------------------------------------------
"$closer" "$wid"
wait_for_exit "$quavix_pid" 10
status=0
wait "$quavix_pid" || status=$?
# A sanitizer's finding shows here too.
check "the game ends with status 0" test "$status" -eq 0
expected=$(printf '%14s%-14s%-14s%-14s%s\r\n' '' ' 10' ' 0' ' 0' ' 0 ')
check "the score file holds that game's points" \
  test "$(cat "$XDG_DATA_HOME/quavix/scores.txt")" = "$expected"

if [ -s "$session_dir/quavix.err" ]; then echo "--- stderr of the game:"; cat "$session_dir/quavix.err"; fi
echo "e2e: $failures failed"
[ "$failures" -eq 0 ]
