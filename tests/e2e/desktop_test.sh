#!/usr/bin/env bash
# End-to-end: runs the game on a real X display and sound server and plays it with the mouse.
# Usage: desktop_test.sh QUAVIX AUDIO_PROBE X_CLOSE_WINDOW JACK_MIDI_SOURCE RENDER_NOTE
set -euo pipefail
quavix=$1 probe=$2 closer=$3 midi_source=$4 render_note=$5
here=$(cd "$(dirname "$0")" && pwd)
. "$here/desktop_session.sh"

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

start_desktop_session
start_recorder
start_jack

export XDG_DATA_HOME=$session_dir/data XDG_CONFIG_HOME=$session_dir/config
# The loudness and pitch checks hold for this SoundFont, whichever default-GM.sf2 points at.
export QUAVIX_SOUNDFONT=/usr/share/sounds/sf2/TimGM6mb.sf2
# Two weeks of earlier play, dated back from today, for the statistics window to show.
mkdir -p "$XDG_DATA_HOME/quavix"
seed=$(cat "$here/statistics_seed.json")
for n in $(seq 14 -1 1); do seed=${seed//\"DAY-$n/\"$(date -u -d "$n days ago" +%F)}; done
printf '%s\n' "$seed" >"$XDG_DATA_HOME/quavix/stats.json"
seed_games=$(grep -c '"mode"' "$XDG_DATA_HOME/quavix/stats.json")
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

# --- The language, through the band's menu: its entries come last, English the very last ------
choose_language() {  # choose_language UPS: the entry that many up from the menu's end
  xdotool mousemove --window "$wid" 420 380 click 3
  sleep 0.5
  for _ in $(seq "$1"); do xdotool key Up; done
  xdotool key Return
  sleep 0.5
}
settings=$XDG_CONFIG_HOME/quavix/settings.ini
choose_language 1
shot english
check "the start button's caption changes in English" differs idle english 65x33+32+336
check "the title changes in English" differs idle english 577x97+120+64
check "English is kept at once" grep -qx 'language=en' "$settings"
choose_language 2
shot chinese
check "back in Chinese the window looks as it did" test "$(differing idle chinese 812x392+0+0)" = 0
check "Chinese is kept at once" grep -qx 'language=zh' "$settings"

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

# --- A MIDI keyboard, plugged in while the game runs, unplugged and plugged in again ----------
# Every card is middle C while the score stays below 52.
source_pid=
plug_keyboard() {
  coproc KEYS { exec "$midi_source" keys; }
  source_pid=$KEYS_PID
  session_pids+=("$source_pid")
  local line i
  read -r -t 5 line <&"${KEYS[0]}"
  for i in $(seq 50); do
    jack_lsp -c keys:out 2>/dev/null | grep -q Quavix && return 0
    sleep 0.1
  done
  echo "  the game did not connect to the keyboard"
  return 1
}
play_note() {  # play_note NOTE SECONDS: note-on, hold, note-off
  local line
  echo "on $1" >&"${KEYS[1]}"; read -r -t 5 line <&"${KEYS[0]}"
  sleep "$2"
  echo "off $1" >&"${KEYS[1]}"; read -r -t 5 line <&"${KEYS[0]}"
}
unplug_keyboard() {
  exec {KEYS[1]}>&-
  wait "$source_pid" 2>/dev/null || true
}
label_of() { convert "$session_dir/$1.png" -crop 185x33+592+336 +repage rgb:- | md5sum; }

sleep 4; shot before_midi
check "the game connects to a keyboard plugged in while it runs" plug_keyboard
echo "on 60" >&"${KEYS[1]}"; read -r -t 5 _ <&"${KEYS[0]}"
sleep 0.5; shot midi_held
# Heard from after the spoken name of the right answer, which would drown the note.
mark=$(recording_mark)
sleep 0.5
echo "off 60" >&"${KEYS[1]}"; read -r -t 5 _ <&"${KEYS[0]}"
sleep 1.5
read -r peak ratio tail < <("$probe" tone "$(recording_since "$mark")" 261.63)
echo "MIDI middle C: peak $peak, ratio to neighbours $ratio, left after release $tail"
check "a MIDI note sounds at its pitch" awk "BEGIN{exit !($ratio > 3)}"
check "the played key is drawn pressed while held" \
  test "$(pixel midi_held 404 500)" != "255 255 255"
check "a MIDI note answers the card: a new card" \
  awk "BEGIN{exit !($(card_bottom midi_held) < $(card_bottom before_midi) - 20)}"
check "a MIDI note answers the card: the score shown changes" \
  test "$(label_of midi_held)" != "$(label_of before_midi)"
unplug_keyboard
sleep 2
check "the game connects to the keyboard plugged in again" plug_keyboard
sleep 3; shot before_replugged
play_note 60 0.3
shot replugged
check "the keyboard plugged in again answers the card" \
  awk "BEGIN{exit !($(card_bottom replugged) < $(card_bottom before_replugged) - 20)}"

# A mouse click on the key the keyboard holds neither ends its note nor plays it again; the
# keyboard's own note-off does. A piano note decays, but one cut off leaves a hundred times less.
sleep 1
mark=$(recording_mark)
echo "on 60" >&"${KEYS[1]}"; read -r -t 5 _ <&"${KEYS[0]}"
sleep 0.3
press_key_at 404 500 0.3
held_mark=$(recording_mark)
sleep 1
held=$(recording_since "$held_mark")
echo "off 60" >&"${KEYS[1]}"; read -r -t 5 _ <&"${KEYS[0]}"
sleep 1.5
read -r _ ratio tail < <("$probe" tone "$held" 261.63)
echo "MIDI middle C after a click on it: ratio to neighbours $ratio, last half second $tail"
check "a click on a key the keyboard holds leaves its note sounding" \
  awk "BEGIN{exit !($ratio > 3 && $tail > 0.01)}"
read -r _ _ tail < <("$probe" tone "$(recording_since "$mark")" 261.63)
check "the held note stops at the keyboard's note-off" awk "BEGIN{exit !($tail < 0.1)}"
unplug_keyboard

# --- The computer's keys, and Space after a click on the piano --------------------------------
xdotool windowfocus --sync "$wid"
sleep 3; shot before_keys
xdotool keydown a; sleep 0.3; xdotool keyup a   # A plays middle C
shot keys
check "a computer key answers the card" \
  awk "BEGIN{exit !($(card_bottom keys) < $(card_bottom before_keys) - 20)}"
sleep 3
click_at 404 500
sleep 0.5
xdotool key space Return
sleep 2; shot after_space
sleep 2; shot after_space2
check "Space and Enter after a click on a key leave the game running" \
  awk "BEGIN{exit !($(card_bottom after_space2) > $(card_bottom after_space))}"

# --- The statistics window, from the band's menu, while the game runs ----------------------------
xdotool mousemove --window "$wid" 400 330 click 3
sleep 0.5
xdotool key Up Up Up Return   # 统计, before the two languages
swid=$(wait_for_window 统计)
sleep 1
import -window "$swid" "$session_dir/statistics.png"
# QUAVIX_SCREENSHOT_DIR=docs keeps the picture the README shows.
[ -z "${QUAVIX_SCREENSHOT_DIR:-}" ] || cp "$session_dir/statistics.png" "$QUAVIX_SCREENSHOT_DIR/"
check "the statistics window draws its viridis scale" has_colour statistics 253 231 37

# --- Closing keeps the points --------------------------------------------------------------------
"$closer" "$wid"
wait_for_exit "$quavix_pid" 10
status=0
wait "$quavix_pid" || status=$?
# A sanitizer's finding shows here too.
check "the game ends with status 0" test "$status" -eq 0
# 10 - 10 + 10 with the mouse, then at weights 19 to 15: MIDI three times (the click on the
# held key is not judged), A, the mouse.
expected=$(printf '%14s%-14s%-14s%-14s%s\r\n' '' ' 51' ' 0' ' 0' ' 0 ')
check "the score file holds that game's points" \
  test "$(cat "$XDG_DATA_HOME/quavix/scores.txt")" = "$expected"
check "closing with the statistics open ends the program and keeps the game" \
  test "$(grep -c '"mode"' "$XDG_DATA_HOME/quavix/stats.json")" -eq $((seed_games + 1))

# --- A practice game: D major's signature on the alto clef, chosen in the settings file --------
# The mixed option draws from the alto clef only. At a score of 0 the only note is middle C, on
# the middle line, which D major makes C sharp: a black key answers it. The keys bear their names.
sed -i -e 's/^clefs=.*/clefs=alto/' -e 's/^accidentals=.*/accidentals=keys/' \
  -e 's/^keys=.*/keys=D/' -e 's/^keyNames=.*/keyNames=true/' "$settings"
"$quavix" 2>>"$session_dir/quavix.err" &
quavix_pid=$!
wid=$(wait_for_window Quavix)
sleep 1
click_at 335 350           # 混 合
click_at 64 352            # 游戏开始
sleep 6; shot practice
card_corner() {  # the top-left corner of the card in SHOT, as X+Y
  card_box "$1" | sed 's/^[0-9]*x[0-9]*+//'
}
clef_region() {  # the card's clef, 20x30 pixels from its staff's top line
  local x=${1%+*} y=${1#*+}
  echo "20x30+$((x + 2))+$((y + 24))"
}
check "the practice card shows" test "$(card_box practice)" != none
check "the white keys bear their names" differs idle practice 792x14+8+488
treble_clef=$(clef_region "$(card_corner falling2)")
alto_clef=$(clef_region "$(card_corner practice)")
check "the alto card's clef is not the treble clef" \
  test "$(differing_at falling2 "$treble_clef" practice "$alto_clef")" -gt 50
answered_by() {  # answered_by X Y: a click there brings a new card
  local before
  shot before_try
  before=$(card_bottom before_try)
  click_at "$1" "$2"
  sleep 0.3
  shot after_try
  [ "$(card_bottom after_try)" -lt $((before - 20)) ]
}
check "C sharp is answered by its black key" answered_by 416 440
[ -z "${QUAVIX_SCREENSHOT_DIR:-}" ] ||
  cp "$session_dir/practice.png" "$QUAVIX_SCREENSHOT_DIR/screenshot-practice.png"
"$closer" "$wid"
wait_for_exit "$quavix_pid" 10

# --- Twice the size, as chosen in the settings file ---------------------------------------------
sed -i -e 's/^scale=.*/scale=200/' -e 's/^accidentals=.*/accidentals=none/' "$settings"
"$quavix" 2>>"$session_dir/quavix.err" &
quavix_pid=$!
wid=$(wait_for_window Quavix)
sleep 1
click_at 128 704           # 游戏开始, at twice its place
sleep 3; shot scale200
check "at 200 % the window is twice as large" \
  test "$(identify -format %wx%h "$session_dir/scale200.png")" = 1624x1044
box200=$(convert "$session_dir/scale200.png" -crop 1624x636+0+0 +repage -fill black +opaque white \
  -format '%@' info:)
echo "  card $box200"
staff_runs() {  # lengths of the black runs down column X of the card in SHOT; "grey" if any grey
  local x y h
  read -r x y h < <(awk -v b="$2" 'BEGIN{split(b, a, /[x+]/); print a[3] + 140, a[4], a[2]}')
  convert "$session_dir/$1.png" -crop "1x$h+$x+$y" +repage -depth 8 txt:- | awk -F'[()]' '
    NR > 1 { if ($2 == "255,255,255") { if (run) printf "%d ", run; run = 0 }
             else if ($2 == "0,0,0") run++; else grey = 1 }
    END { if (run) printf "%d ", run; if (grey) printf "grey" }'
}
runs=$(staff_runs scale200 "$box200")
echo "  black runs down the card: $runs"
check "at 200 % a falling card's staff lines are solid rows two pixels thick" \
  test "$(echo $runs)" = "2 2 2 2 2"
[ -z "${QUAVIX_SCREENSHOT_DIR:-}" ] ||
  cp "$session_dir/scale200.png" "$QUAVIX_SCREENSHOT_DIR/screenshot-200.png"
"$closer" "$wid"
wait_for_exit "$quavix_pid" 10
sed -i 's/^scale=.*/scale=100/' "$settings"

# --- A one-minute run over the treble staff, its cards answered with the computer keys -----------
# The run's entry is the eleventh from the menu's end; its first note set is the treble staff, E4 to
# F5, which D to ' play. Every round of them answers the card, and the other keys count as wrong.
if [ -z "${QUAVIX_E2E_SKIP_RUN:-}" ]; then
  QUAVIX_PRINT_SCORE_DISPLAY=1 "$quavix" 2>"$session_dir/run.err" &
  quavix_pid=$!
  wid=$(wait_for_window Quavix)
  sleep 1
  xdotool mousemove --window "$wid" 400 330 click 3
  sleep 0.5
  for _ in $(seq 11); do xdotool key Up; done
  xdotool key Right Return
  xdotool windowfocus --sync "$wid"
  run_end=$((SECONDS + 58))
  while [ "$SECONDS" -lt "$run_end" ]; do
    for key in d f g h j k l semicolon apostrophe; do xdotool key "$key"; sleep 0.03; done
  done
  sleep 4
  "$closer" "$wid"
  wait_for_exit "$quavix_pid" 10
  cat "$session_dir/run.err" >>"$session_dir/quavix.err"
  run_caption=$(sed -n 's/^score-display //p' "$session_dir/run.err")
  # The caption the run's own record gives: right answers in its minute, and its accuracy.
  expected_caption=$(python3 -c '
import json, sys
run = [g for g in json.load(open(sys.argv[1]))["games"] if g["mode"] == "run"][-1]
attempts = run["right"] + run["wrong"] + run["missed"]
print("%.1f 音/分 %d%%" % (run["right"] * 60000 / run["durationMs"], int(100 * run["right"] / attempts + 0.5)))
' "$XDG_DATA_HOME/quavix/stats.json")
  echo "one-minute run: the score display reads \"$run_caption\", its record \"$expected_caption\""
  check "the one-minute run shows its notes a minute and accuracy" \
    test -n "$run_caption" -a "$run_caption" = "$expected_caption"
  check "the run answered cards for a minute" \
    python3 -c 'import json,sys; g=json.load(open(sys.argv[1]))["games"][-1]; sys.exit(not (g["mode"] == "run" and g["right"] >= 15 and 59000 <= g["durationMs"] <= 62000))' \
    "$XDG_DATA_HOME/quavix/stats.json"
fi

if [ -s "$session_dir/quavix.err" ]; then echo "--- stderr of the game:"; cat "$session_dir/quavix.err"; fi

# --- The microphone: a note played into the sink is heard from its monitor ----------------------
# The system's default recording device is the sink's monitor; nothing else sounds there, as the
# tune pauses while the game listens. Without the key signature the card is middle C again.
pactl set-default-source null.monitor
sed -i 's/^accidentals=.*/accidentals=none/' "$settings"
sed -i '/^\[microphone\]/,/^\[/ s/^on=false$/on=true/' "$settings"
check "the microphone is off until switched on" grep -qx 'on=true' "$settings"
"$quavix" 2>"$session_dir/quavix-mic.err" &
quavix_pid=$!
wid=$(wait_for_window Quavix)
sleep 2                    # the room's level is learnt in the first second
click_at 64 352            # 游戏开始
sleep 5; shot before_heard  # the card low enough for a new one to show
"$render_note" "$QUAVIX_SOUNDFONT" 0 60 0.8 |
  pacat --raw --format=s16le --rate=44100 --channels=2 --latency-msec=10 -d null
shot heard
check "a note heard through the microphone answers the card: a new card" \
  awk "BEGIN{exit !($(card_bottom heard) < $(card_bottom before_heard) - 20)}"
score_changed_since() {  # a slow build may show the new card a paint before the new score
  local i
  for i in 1 2 3 4 5 6; do
    [ "$(label_of heard)" != "$(label_of "$1")" ] && return 0
    sleep 0.5; shot heard
  done
  return 1
}
check "a note heard through the microphone answers the card: the score shown changes" \
  score_changed_since before_heard
"$closer" "$wid"
wait_for_exit "$quavix_pid" 10
status=0
wait "$quavix_pid" || status=$?
check "the game listening to the microphone ends with status 0" test "$status" -eq 0
if [ -s "$session_dir/quavix-mic.err" ]; then
  echo "--- stderr of the game with the microphone:"; cat "$session_dir/quavix-mic.err"
fi
echo "e2e: $failures failed"
[ "$failures" -eq 0 ]
