#!/usr/bin/env bash
# Prints the performance figures of the built program on this machine, next to their targets:
# start-up time and memory with the small and the large Debian SoundFont, the slowest spawn, and
# a table of the sound's costs beside those of the last release (built from the commit RELEASE in
# a worktree under /tmp, kept for the next run; RELEASE= leaves it out): CPU of the program and of
# its sound server while idle with the tune and in a game with a key pressed every second, how
# often the program wakes, press-to-sound and MIDI-in-to-sound latency (also for the first press
# after a minute of silence), memory and the first frame; then Timer1's regularity in that game,
# and the microphone's delay and cost.
# Runs on a private X display and PulseAudio server (see tests/e2e/desktop_session.sh). Not a
# test: it never fails on a figure. CPU figures depend on what else the machine runs: the load
# average is printed with them.
#   BUILD_DIR=build-fig RUNS=7 CPU_WINDOWS=3 RELEASE=fed02bc scripts/figures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
scripts/setup.sh
scripts/build.sh >/dev/null
build=$source_dir/${BUILD_DIR:-build}
runs=${RUNS:-7}
quavix=$build/ui/quavix

release=${RELEASE-fed02bc}
if [ -n "$release" ]; then
  release_build=/tmp/quavix-figures-$release/build
  [ -d "${release_build%/build}" ] ||
    git worktree add --detach "${release_build%/build}" "$release" >/dev/null
  BUILD_DIR=$release_build BUILD_TARGETS="quavix press_to_sound midi_to_sound" \
    "${release_build%/build}/scripts/build.sh" >/dev/null
fi

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

# CPU ticks and wakeups (voluntary context switches) of a process and of its threads: one line
# per task and one for the process as a whole, "TID NAME TICKS WAKEUPS" (TID 0: the process).
task_counts() {
  local task
  sed 's/.*) //' "/proc/$1/stat" | awk '{print 0, "process", $12 + $13, 0}'
  for task in /proc/"$1"/task/*; do
    { sed 's/.*) //' "$task/stat"; awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status"
    } 2>/dev/null | awk -v id="${task##*/}" -v name="$(cat "$task/comm" 2>/dev/null)" \
      'NR == 1 {t = $12 + $13} NR == 2 {print id, name, t, $1}'
  done
}

# Over SECONDS, PID's use of one core in percent, that of its sound threads (SDL's audio thread or
# the PulseAudio streams'), of its main (window) thread and of the sound server, and how often
# the sound threads and all of PID's threads woke per second: "PROCESS SERVER SOUND WINDOW
# SOUND_WAKEUPS ALL_WAKEUPS". Per-process CPU time over wall time depends little on what else
# the machine runs; the wakeups not at all.
cpu_figures() {
  local before after t0 t1
  t0=$(date +%s.%N); before=$(task_counts "$1"; task_counts "$pulse_pid" | sed -n '1s/^0/server/p')
  sleep "$2"
  t1=$(date +%s.%N); after=$(task_counts "$1"; task_counts "$pulse_pid" | sed -n '1s/^0/server/p')
  awk -v hz="$clock_ticks" -v wall="$(awk -v t="$t0" -v u="$t1" 'BEGIN{print u - t}')" \
    -v pid="$1" -v thread='^(SDLAudioP|quavix-)' '
    NR == FNR {ticks[$1] = $3; switches[$1] = $4; next}
    ($1 in ticks) {
      cpu = 100 * ($3 - ticks[$1]) / hz / wall
      woke = ($4 - switches[$1]) / wall
      if ($1 == 0) process = cpu
      else if ($1 == "server") server = cpu
      else all += woke
      if ($1 == pid) window = cpu
      if ($2 ~ thread) {sound += cpu; wakeups += woke}
    }
    END {printf "%.2f %.2f %.2f %.2f %.0f %.0f\n", process, server, sound, window, wakeups, all}
  ' <(echo "$before") <(echo "$after")
}

# Of lines of numbers, the one whose first number is the median: a window's figures stay together.
median_row() { sort -n | awk '{row[NR] = $0} END {print row[int((NR + 1) / 2)]}'; }

start_quavix() {  # start_quavix SOUNDFONT [PROGRAM] -> sets pid; stderr goes to quavix.err
  QUAVIX_SOUNDFONT=$1 QUAVIX_PRINT_FIRST_FRAME=1 QUAVIX_PRINT_TIMER1=1 \
    "${2:-$quavix}" 2>"$session_dir/quavix.err" &
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

# --- the slowest spawn --------------------------------------------------------------------------
"$build/bench/quavix_bench" --benchmark_filter=Spawn 2>/dev/null | grep -i spawn |
  awk '{print "worst-case spawn (" $1 "): " $2 " " $3 " per spawn, CPU " $4 " " $5}'

# --- the sound, beside the last release -------------------------------------------------------
cpu_windows=${CPU_WINDOWS:-3}
describe_cpu() {  # describe_cpu "PROCESS SERVER SOUND WINDOW SOUND_WAKEUPS ALL_WAKEUPS"
  local process server sound window sound_wakeups all_wakeups
  read -r process server sound window sound_wakeups all_wakeups <<<"$1"
  echo "$process % (sound threads $sound %, waking $sound_wakeups times a second; window" \
    "$window %; all threads waking $all_wakeups times a second), sound server $server %"
}
together() { awk '{printf "%.1f", $1 + $2}' <<<"$1"; }
clicking_keys() {  # a key pressed for 0.1 s every second, until killed
  while :; do click_at 404 500; sleep 0.9; done
}

# One row of the table for the program in BUILD: "| NAME | figures... |", with a line of details
# before it on stderr.
sound_row() {  # sound_row NAME BUILD
  local name=$1 program=$2/ui/quavix frames=() rss=() run idle game clicker m frame
  for run in $(seq 3); do
    start_quavix "$small_font" "$program"
    sleep 1
    frames+=("$(sed -n 's/^first-frame-ms //p' "$session_dir/quavix.err")")
    rss+=("$(rss_mb "$pid")")
    stop_quavix
  done
  start_quavix "$small_font" "$program"
  wid=$(wait_for_window Quavix)
  sleep 3
  idle=$(for run in $(seq "$cpu_windows"); do cpu_figures "$pid" 10; done | median_row)
  click_at 64 352  # 游戏开始
  clicking_keys &
  clicker=$!
  sleep 2
  game=$(for run in $(seq "$cpu_windows"); do cpu_figures "$pid" 10; done | median_row)
  kill "$clicker"
  wait "$clicker" 2>/dev/null || true
  stop_quavix
  echo "$name, load average $(cut -d' ' -f1-3 /proc/loadavg): idle with the tune" \
    "$(describe_cpu "$idle"); in a game with a key a second $(describe_cpu "$game")" >&2
  # The null sink runs at 2 s latency until a low-latency client comes; the recorder is one,
  # for both programs alike. A JACK server of their own with 64-frame periods (1.3 ms), as a
  # desktop's MIDI would have; it is started only now, since the game's MIDI input would wake with
  # each of its periods.
  start_recorder
  start_jack 64
  read -r _ presses _ _ _ _ _ _ _ _ _ smedian _ sworst _ first < <(
    "$2/bench/press_to_sound" "${PRESSES:-20}" 60)
  read -r _ _ _ _ _ _ mmedian _ mworst < <("$2/bench/midi_to_sound" "${NOTES:-20}")
  kill "${session_pids[-1]}" "${session_pids[-2]}"
  m=$(printf '%s\n' "${rss[@]}" | median) frame=$(printf '%s\n' "${frames[@]}" | median)
  echo "| $name | ${idle%% *} % | $(cut -d' ' -f2 <<<"$idle") % | $(together "$idle") % |" \
    "$(cut -d' ' -f6 <<<"$idle") | $(together "$game") % | $smedian / $sworst ms |" \
    "${first:-no figure} ms | $mmedian / $mworst ms | $m MB | $frame ms |"
}

header="|   | idle with the tune: program | its sound server | together | the program wakes, a second |"
header+=" a key a second, together | press to sound, median / worst | first press after a minute |"
header+=" MIDI-in to sound, median / worst | resident | first frame |"
rows=()
[ -n "$release" ] && rows+=("$(sound_row "the last release ($release)" "$release_build")")
rows+=("$(sound_row "now" "$build")")
echo "the sound, $(basename "$small_font"), the medians of $cpu_windows windows of 10 s and of" \
  "${PRESSES:-20} presses (targets: idle together 3 %, waking 100 times a second; a key a second" \
  "together 5 %; latency median 10 ms, worst 15 ms):"
echo "$header"
echo "|---|---|---|---|---|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
read -r ticks seconds rate gap < <(sed -n \
  's/^timer1 ticks \([0-9]*\) seconds \([0-9.]*\) rate-hz \([0-9.]*\) longest-gap-ms \([0-9.]*\)/\1 \2 \3 \4/p' \
  "$session_dir/quavix.err")
echo "Timer1 in that game: $ticks ticks in $seconds s, $rate Hz" \
  "(target 50 Hz within 1 %: $(verdict "($rate - 50) ^ 2" '<=' 0.25)), longest gap $gap ms" \
  "(target 25 ms: $(verdict "$gap" '<=' 25))"

# Through a key's fading tail its stream waits on a long buffer; a press then opens a new one.
start_recorder
read -r _ _ _ _ _ _ _ _ _ _ _ tmedian _ tworst _ < <("$build/bench/press_to_sound" "${PRESSES:-20}" 0 600)
kill "${session_pids[-1]}"
echo "press to sound 0.6 s after the release of a key, in its fading tail: median $tmedian ms," \
  "worst $tworst ms (targets 10 ms: $(verdict "$tmedian" '<=' 10), 15 ms: $(verdict "$tworst" '<=' 15))"

# --- the microphone -------------------------------------------------------------------------------
# The listener's delay over the test table of rendered instruments in a room's noise, from where
# each note rises above the noise to its press, plus the one capture block (256 frames at
# 44.1 kHz) that SDL fills before the listener sees it; at 44.1 kHz, the rate the game asks for.
read -r lmedian lworst < <("$build/tests/microphone/microphone_tests" --gtest_filter='*RoomsNoise' |
  sed -n 's/^microphone-latency-ms median \([0-9.]*\) worst \([0-9.]*\) .* at 44100 Hz$/\1 \2/p')
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
