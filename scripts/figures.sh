#!/usr/bin/env bash
# Prints the performance figures of the built program on this machine, next to their targets:
# start-up time and memory with the small and the large Debian SoundFont, CPU use (of the
# process, its sound thread and its window thread, next to what a bare PulseAudio client with the
# same buffer takes), Timer1's regularity, the slowest spawn and press-to-sound latency. Runs on
# a private X display and PulseAudio server (see tests/e2e/desktop_session.sh). Not a test: it
# never fails on a figure.
#   BUILD_DIR=build-fig RUNS=7 CPU_WINDOWS=3 scripts/figures.sh
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
clock_ticks=$(getconf CLK_TCK)

# CPU ticks and context switches of a process and of its threads: one line per task and one for
# the process as a whole, "TID NAME TICKS SWITCHES" (TID 0: the process).
task_counts() {
  local task
  sed 's/.*) //' "/proc/$1/stat" | awk '{print 0, "process", $12 + $13, 0}'
  for task in /proc/"$1"/task/*; do
    { sed 's/.*) //' "$task/stat"; awk '/ctxt_switches/ {n += $2} END {print n}' "$task/status"
    } 2>/dev/null | awk -v id="${task##*/}" -v name="$(cat "$task/comm" 2>/dev/null)" \
      'NR == 1 {t = $12 + $13} NR == 2 {print id, name, t, $1}'
  done
}

# Over SECONDS, PID's use of one core in percent, that of its sound thread (SDL's audio thread,
# or the threads named like THREAD) and of its main (window) thread, and how often the sound
# thread woke per second: "PROCESS SOUND WINDOW WAKEUPS". Per-process CPU time over wall time
# depends little on what else the machine runs; the wakeups not at all.
cpu_figures() {
  local before after t0 t1
  t0=$(date +%s.%N); before=$(task_counts "$1")
  sleep "$2"
  t1=$(date +%s.%N); after=$(task_counts "$1")
  awk -v hz="$clock_ticks" -v wall="$(awk -v t="$t0" -v u="$t1" 'BEGIN{print u - t}')" \
    -v pid="$1" -v thread="${3:-^SDLAudioP}" '
    NR == FNR {ticks[$1] = $3; switches[$1] = $4; next}
    ($1 in ticks) {
      cpu = 100 * ($3 - ticks[$1]) / hz / wall
      if ($1 == 0) process = cpu
      if ($1 == pid) window = cpu
      if ($2 ~ thread) {sound += cpu; wakeups += ($4 - switches[$1]) / wall}
    }
    END {printf "%.2f %.2f %.2f %.0f\n", process, sound, window, wakeups}
  ' <(echo "$before") <(echo "$after")
}

# Of lines of numbers, the one whose first number is the median: a window's figures stay together.
median_row() { sort -n | awk '{row[NR] = $0} END {print row[int((NR + 1) / 2)]}'; }

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
cpu_windows=${CPU_WINDOWS:-3}
describe_cpu() {  # describe_cpu "PROCESS SOUND WINDOW WAKEUPS"
  local process sound window wakeups
  read -r process sound window wakeups <<<"$1"
  echo "$process % (sound thread $sound %, waking $wakeups times a second; window $window %)"
}
for font in "${fonts[@]}"; do
  start_quavix "$font"
  wid=$(wait_for_window Quavix)
  sleep 2
  idle=$(for run in $(seq "$cpu_windows"); do cpu_figures "$pid" 10; done | median_row)
  click_at 64 352  # 游戏开始
  sleep 1
  game=$(for run in $(seq "$cpu_windows"); do cpu_figures "$pid" 10; done | median_row)
  stop_quavix
  echo "CPU of one core, $(basename "$font"), the median of $cpu_windows windows of 10 s:" \
    "idle with the tune $(describe_cpu "$idle")" \
    "(target 2 %: $(verdict "${idle%% *}" '<=' 2));" \
    "in a game $(describe_cpu "$game") (target 2.5 %: $(verdict "${game%% *}" '<=' 2.5))"
  read -r ticks seconds rate gap < <(sed -n \
    's/^timer1 ticks \([0-9]*\) seconds \([0-9.]*\) rate-hz \([0-9.]*\) longest-gap-ms \([0-9.]*\)/\1 \2 \3 \4/p' \
    "$session_dir/quavix.err")
  echo "Timer1 in that game: $ticks ticks in $seconds s, $rate Hz" \
    "(target 50 Hz within 1 %: $(verdict "($rate - 50) ^ 2" '<=' 0.25)), longest gap $gap ms" \
    "(target 25 ms: $(verdict "$gap" '<=' 25))"
done

# The floor under the sound thread: PulseAudio's own client playing silence with the program's
# buffer (256 frames at 48 kHz; PulseAudio then asks for data every quarter of it, as it does of
# SDL). What the program's sound thread takes above this is the mix itself.
pacat -p --raw --format=float32le --rate=48000 --channels=2 --latency-msec=5.33 \
  --process-time-msec=1.33 /dev/zero &
floor_pid=$!
session_pids+=("$floor_pid")
sleep 2
floor=$(for run in $(seq "$cpu_windows"); do cpu_figures "$floor_pid" 10 '^pacat$'; done | median_row)
kill "$floor_pid"
read -r floor_cpu _ _ floor_wakeups <<<"$floor"
echo "floor of the sound thread: a bare PulseAudio client (pacat) playing silence with the same" \
  "5.3 ms buffer takes $floor_cpu % of a core, waking $floor_wakeups times a second"

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

# --- the microphone -------------------------------------------------------------------------------
# The listener's delay over the test table of rendered instruments in a room's noise, from where
# each note rises above the noise to its press, plus the one capture block (256 frames at
# 44.1 kHz) that SDL fills before the listener sees it.
read -r lmedian lworst < <("$build/tests/microphone/microphone_tests" \
  --gtest_filter='*RoomsNoise' | sed -n 's/^microphone-latency-ms median \([0-9.]*\) worst \([0-9.]*\).*/\1 \2/p')
lmedian=$(awk "BEGIN{print $lmedian + 5.8}") lworst=$(awk "BEGIN{print $lworst + 5.8}")
echo "microphone, note onset to press: median $lmedian ms (target 60 ms:" \
  "$(verdict "$lmedian" '<' 60)), worst $lworst ms (target 120 ms: $(verdict "$lworst" '<' 120))"
# Listening against not listening, the tune off in both (listening pauses it): the sink's monitor
# is the system's default recording device.
pactl set-default-source null.monitor
mic_cpu() {  # mic_cpu true|false -> the process's share of a core
  mkdir -p "$session_dir/mic-config/quavix"
  printf '[sound]\nbackgroundMusic=false\n[microphone]\non=%s\n' "$1" \
    >"$session_dir/mic-config/quavix/settings.ini"
  XDG_CONFIG_HOME=$session_dir/mic-config start_quavix "$small_font"
  sleep 2
  for run in $(seq "$cpu_windows"); do cpu_figures "$pid" 10; done | median_row | cut -d' ' -f1
  stop_quavix
}
quiet=$(mic_cpu false) listening=$(mic_cpu true)
extra=$(awk "BEGIN{print $listening - $quiet}")
echo "CPU of one core while listening to the microphone: $listening % against $quiet % without" \
  "it, $extra % more (target 2 %: $(verdict "$extra" '<' 2))"
