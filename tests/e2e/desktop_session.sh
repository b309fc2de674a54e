# Shared by the end-to-end test and the figures script: a private X display, a PulseAudio server
# with a null sink and a recorder on its monitor, and small helpers to look, listen and click.
# Everything started here is stopped by PID when the calling script exits.

. "$(dirname "${BASH_SOURCE[0]}")/stale_jack.sh"

session_dir=$(mktemp -d)
session_pids=()

stop_desktop_session() {
  local pid
  for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
    pid=${session_pids[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  [ -n "${KEEP_SESSION_DIR:-}" ] || rm -rf "$session_dir"
}
trap stop_desktop_session EXIT

start_desktop_session() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp >"$session_dir/xvfb.log" 2>&1 &
  session_pids+=($!)
  export DISPLAY=":$n"
  mkdir -p "$session_dir/run" && chmod 700 "$session_dir/run"
  export XDG_RUNTIME_DIR=$session_dir/run SDL_AUDIODRIVER=pulseaudio
  unset QT_QPA_PLATFORM
  pulseaudio --exit-idle-time=-1 --disallow-exit -n --daemonize=no \
    --load=module-null-sink --load=module-native-protocol-unix \
    --log-target="file:$session_dir/pulse.log" >/dev/null 2>&1 &
  pulse_pid=$!
  session_pids+=("$pulse_pid")
  local i
  for i in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "could not start Xvfb and PulseAudio" >&2
  return 1
}

# A JACK server of our own (no ALSA sequencer here) for MIDI keyboards played by test programs.
start_jack() {  # start_jack [PERIOD_FRAMES]
  clear_stale_jack_registry
  export JACK_DEFAULT_SERVER=quavix-test-$$-$RANDOM JACK_NO_START_SERVER=1
  jackd -n "$JACK_DEFAULT_SERVER" --no-realtime -d dummy -r 48000 -p "${1:-256}" \
    >"$session_dir/jackd.log" 2>&1 &
  session_pids+=($!)
  local i
  for i in $(seq 100); do
    jack_lsp >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "could not start jackd" >&2
  return 1
}

# A low-latency client on the sink's monitor also takes the sink out of its 2 s latency.
start_recorder() {
  parec -d null.monitor --latency-msec=10 --format=s16le --rate=44100 --channels=2 --raw \
    >"$session_dir/capture.raw" &
  session_pids+=($!)
  sleep 2
}

recording_mark() { stat -c %s "$session_dir/capture.raw"; }

# Writes the recording since MARK to a file and prints its name.
recording_since() {
  local out=$session_dir/segment-$RANDOM.raw
  tail -c +"$(($1 + 1))" "$session_dir/capture.raw" >"$out"
  echo "$out"
}

audio_louder_than() {
  local rms
  rms=$("$probe" rms "$1")
  echo "  rms $rms"
  awk "BEGIN{exit !($rms > $2)}"
}

wait_for_window() {
  local i id
  for i in $(seq 100); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named $1" >&2
  return 1
}

wait_for_exit() {
  local i
  for i in $(seq $(($2 * 10))); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "process $1 did not end" >&2
  return 1
}

# A window just mapped can refuse to be read for a moment ("Resource temporarily unavailable").
shot() {
  import -window "$wid" "$session_dir/$1.png" 2>/dev/null ||
    { sleep 0.2; import -window "$wid" "$session_dir/$1.png"; }
}

pixel() {  # pixel SHOT X Y -> "R G B"
  convert "$session_dir/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | head -n 1
}

pixel_is() {  # pixel_is SHOT X Y R G B
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4 $5 $6" ] || { echo "  pixel ($2,$3) is $got, not $4 $5 $6"; return 1; }
}

has_colour() {  # has_colour SHOT R G B: some pixel within 2% of that colour
  local box
  box=$(convert "$session_dir/$1.png" -fuzz 2% -fill black +opaque "rgb($2,$3,$4)" -format '%@' info:)
  case "$box" in 0x0*|"") echo "  no pixel near $2 $3 $4"; return 1 ;; esac
}

pixel_is_dark() {
  local r g b
  read -r r g b < <(pixel "$1" "$2" "$3")
  [ $((r + g + b)) -lt 384 ] || { echo "  pixel ($2,$3) is $r $g $b"; return 1; }
}

# Bounding box of the pure white pixels above the band (the card is the only white thing there
# while a game runs), or "none".
card_box() {
  local box
  box=$(convert "$session_dir/$1.png" -crop 812x318+0+0 +repage -fill black +opaque white \
    -format '%@' info: 2>/dev/null)
  case "$box" in 0x0*|"") echo none ;; *) echo "$box" ;; esac
}

# How many pixels differ between a region of one shot and one of another.
differing_at() {  # differing_at SHOT1 REGION1 SHOT2 REGION2
  local a=$session_dir/region-a.png b=$session_dir/region-b.png
  convert "$session_dir/$1.png" -crop "$2" +repage "$a"
  convert "$session_dir/$3.png" -crop "$4" +repage "$b"
  compare -metric AE "$a" "$b" null: 2>&1 || true
}

# How many pixels of the region WxH+X+Y differ between two shots.
differing() { differing_at "$1" "$3" "$2" "$3"; }  # differing SHOT1 SHOT2 REGION

differs() {
  local n
  n=$(differing "$@")
  echo "  $n pixels differ"
  [ "$n" -gt 0 ]
}

card_bottom() {
  local box
  box=$(card_box "$1")
  [ "$box" != none ] || { echo -1; return; }
  # WxH+X+Y
  awk -v b="$box" 'BEGIN{split(b, a, /[x+]/); print a[4] + a[2] - 1}'
}

click_at() {
  xdotool mousemove --window "$wid" "$1" "$2" mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

press_key_at() {  # press_key_at X Y SECONDS
  xdotool mousemove --window "$wid" "$1" "$2" mousedown 1
  sleep "$3"
  xdotool mouseup 1
}
