#!/usr/bin/env bash
# Writes the note-name recordings 2.wav .. 8.wav, which say C, D, E, F, G, A, B in that order,
# as the letters are said: spoken by espeak-ng in VOICE, 22050 Hz mono 16-bit PCM, the silence
# before the name cut off so that it comes at once, the one after it too, and all of them
# equally loud: peaks at -10 dBFS, some 8 dB above a note of the keyboard.
#
#   tools/sound/make_note_names.sh [OUTPUT_DIR] [VOICE]
#
# The Chinese interface's set:  tools/sound/make_note_names.sh assets en
# The English interface's set:  tools/sound/make_note_names.sh assets/en en-us
set -euo pipefail
cd "$(dirname "$0")/../.."
out_dir=${1:-assets}
voice=${2:-en}

need=()
command -v espeak-ng >/dev/null || need+=(espeak-ng)
command -v sox >/dev/null || need+=(sox)
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}" >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out_dir"

number=2
for name in C D E F G A B; do
  espeak-ng -v "$voice" -s 150 -w "$work/$name.wav" "$name"
  # silence drops everything before the first 5 ms above -46 dB; reversed, it trims the end.
  # The short fades keep the cuts from clicking.
  sox "$work/$name.wav" -r 22050 -c 1 -b 16 -e signed-integer "$out_dir/$number.wav" \
    silence 1 0.005 0.5% reverse silence 1 0.005 0.5% fade t 0.02 reverse fade t 0.003 \
    gain -n -10
  echo "$out_dir/$number.wav: \"$name\", $(soxi -D "$out_dir/$number.wav") s"
  number=$((number + 1))
done
