#!/usr/bin/env bash
# Prints the performance figures of the built program on this machine, next to their targets:
# start-up time and memory with the small and the large Debian SoundFont, CPU use, Timer1's
# regularity, the slowest spawn and press-to-sound latency. Runs on a private X display and
# PulseAudio server (see tests/e2e/desktop_session.sh). Not a test: it never fails on a figure.
#   BUILD_DIR=build-fig RUNS=7 scripts/figures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
scripts/setup.sh
scripts/build.sh >/dev/null
build=$source_dir/${BUILD_DIR:-build}
runs=${RUNS:-7}
quavix=$build/ui/quavix

small_font=/usr/share/sounds/sf2/TimGM6mb.sf2
# The large SoundFont is unpacked into a cache, never installed: installing it would move the
# system's default-GM link.
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quavix-figures
large_font=$cache/usr/share/sounds/sf2/FluidR3_GM.sf2
if [ ! -s "$large_font" ]; then
  mkdir -p "$cache"
  if (cd "$cache" && apt-get download fluid-soundfont-gm >"$cache/download.log" 2>&1 &&
      dpkg-deb -x fluid-soundfont-gm_*.deb "$cache" && rm -f fluid-soundfont-gm_*.deb); then :; else
    echo "figures: could not fetch fluid-soundfont-gm (see $cache/download.log); skipping it" >&2
  fi
fi
fonts=("$small_font")
[ -s "$large_font" ] && fonts+=("$large_font")

. "$source_dir/tests/e2e/desktop_session.sh"
start_desktop_session
start_recorder
export XDG_DATA_HOME=$session_dir/data
cd "$session_dir"

# --- helpers ------------------------------------------------------------------------------------
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
worst() { sort -n | tail -n 1; }
verdict() {  # verdict VALUE OP LIMIT -> "ok" or "MISSED"
  if awk "BEGIN{exit !($1 $2 $3)}"; then echo ok; else echo MISSED; fi
}
rss_mb() { awk '/^VmRSS:/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
clock_ticks=$(getconf CLK_TCK)

# CPU use of one core by PID over SECONDS, in percent.
cpu_percent() {
  local t0 c0 t1 c1
  t0=$(date +%s.%N); c0=$(cpu_ticks "$1")
  sleep "$2"
  t1=$(date +%s.%N); c1=$(cpu_ticks "$1")
  awk -v c="$((c1 - c0))" -v hz="$clock_ticks" -v t="$t0" -v u="$t1" \
    'BEGIN{printf "%.1f", 100 * c / hz / (u - t)}'
}

start_quavix() {  # start_quavix SOUNDFONT -> sets pid; stderr goes to quavix.err
  QUAVIX_SOUNDFONT=$1 QUAVIX_PRINT_FIRST_FRAME=1 QUAVIX_PRINT_TIMER1=1 \
    "$quavix" 2>"$session_dir/quavix.err" &
  pid=$!
  session_pids+=("$pid")
  local i
  for i in $(seq 100); do
    grep -q '^first-frame-ms' "$session_dir/quavix.err" && return 0
    sleep 0.1
  done
  echo "figures: the program painted nothing within 10 s" >&2
  cat "$session_dir/quavix.err" >&2
  return 1
}

stop_quavix() {
  kill -TERM "$pid"
  wait_for_exit "$pid" 10
  wait "$pid" 2>/dev/null || true
}

echo "figures of $quavix on $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"

# --- start-up time and memory -------------------------------------------------------------------
# The first launch reads the SoundFont from wherever the file cache left it; it is shown apart.
for font in "${fonts[@]}"; do
  frames=() rss=()
  for run in $(seq 0 "$runs"); do
    start_quavix "$font"
    sleep 1
    frame=$(sed -n 's/^first-frame-ms //p' "$session_dir/quavix.err")
    if [ "$run" -eq 0 ]; then first=$frame; else frames+=("$frame"); fi
    rss+=("$(rss_mb "$pid")")
    stop_quavix
  done
  m=$(printf '%s\n' "${frames[@]}" | median) w=$(printf '%s\n' "${frames[@]}" | worst)
  echo "first frame, $(basename "$font"): median $m ms, worst $w ms of $runs after a first" \
    "launch of $first ms (target 150 ms: $(verdict "$w" '<=' 150))  [${frames[*]}]"
  m=$(printf '%s\n' "${rss[@]}" | median) w=$(printf '%s\n' "${rss[@]}" | worst)
  echo "resident after start-up, $(basename "$font"): median $m MB, worst $w MB" \
    "(target 70 MB: $(verdict "$w" '<' 70))"
done

# --- CPU while idle and in a game, and Timer1 in that game -------------------------------------
for font in "${fonts[@]}"; do
  start_quavix "$font"
  wid=$(wait_for_window Quavix)
  sleep 2
  idle=$(cpu_percent "$pid" 10)
  click_at 64 352  # 游戏开始
  sleep 1
  game=$(cpu_percent "$pid" 10)
  stop_quavix
  echo "CPU of one core, $(basename "$font"): idle with the tune $idle %," \
    "in a game $game % (target 3 %: $(verdict "$game" '<' 3))"
  read -r ticks seconds rate gap < <(sed -n \
    's/^timer1 ticks \([0-9]*\) seconds \([0-9.]*\) rate-hz \([0-9.]*\) longest-gap-ms \([0-9.]*\)/\1 \2 \3 \4/p' \
    "$session_dir/quavix.err")
  echo "Timer1 in that game: $ticks ticks in $seconds s, $rate Hz" \
    "(target 50 Hz within 1 %: $(verdict "($rate - 50) ^ 2" '<=' 0.25)), longest gap $gap ms" \
    "(target 25 ms: $(verdict "$gap" '<=' 25))"
done

# --- the slowest spawn --------------------------------------------------------------------------
"$build/bench/quavix_bench" --benchmark_filter=Spawn 2>/dev/null | grep -i spawn |
  awk '{print "worst-case spawn (" $1 "): " $2 " " $3 " per spawn, CPU " $4 " " $5}'

# --- press to sound -----------------------------------------------------------------------------
read -r _ presses _ buffer _ _ cmedian _ cworst _ _ smedian _ sworst < <(
  "$build/bench/press_to_sound" "${PRESSES:-20}")
echo "press to sound: median $smedian ms, worst $sworst ms of $presses presses" \
  "(target 12 ms: $(verdict "$sworst" '<' 12)): a wait of $cmedian ms (worst $cworst ms) for the" \
  "callback that carries the note plus its $buffer ms buffer"

# --- MIDI-in to sound ---------------------------------------------------------------------------
# A JACK server of our own with 64-frame periods (1.3 ms), as a desktop's MIDI would have.
start_jack 64
read -r _ notes _ mbuffer _ _ mmedian _ mworst < <("$build/bench/midi_to_sound" "${NOTES:-20}")
echo "MIDI-in to sound: median $mmedian ms, worst $mworst ms of $notes notes from a note-on" \
  "written into a JACK port (target: within 2 ms of press to sound: median" \
  "$(verdict "$mmedian - $smedian" '<=' 2), worst $(verdict "$mworst - $sworst" '<=' 2))," \
  "with its $mbuffer ms buffer"
