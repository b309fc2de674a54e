# Sourced by the scripts that make spoken note names: installs espeak-ng and sox if missing, and
# defines `say VOICE TEXT OUTPUT`, which speaks TEXT as a 22050 Hz mono 16-bit PCM recording with
# the silence before and after it cut off (so that the name comes at once) and its peaks at
# -10 dBFS, some 8 dB above a note of the keyboard.
need=()
command -v espeak-ng >/dev/null || need+=(espeak-ng)
command -v sox >/dev/null || need+=(sox)
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}" >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

spoken_work=$(mktemp -d)
trap 'rm -rf "$spoken_work"' EXIT

say() {  # say VOICE TEXT OUTPUT
  espeak-ng -v "$1" -s 150 -w "$spoken_work/said.wav" "$2"
  mkdir -p "$(dirname "$3")"
  # silence drops everything before the first 5 ms above -46 dB; reversed, it trims the end.
  # The short fades keep the cuts from clicking.
  sox "$spoken_work/said.wav" -r 22050 -c 1 -b 16 -e signed-integer "$3" \
    silence 1 0.005 0.5% reverse silence 1 0.005 0.5% fade t 0.02 reverse fade t 0.003 \
    gain -n -10
}
