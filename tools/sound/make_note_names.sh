#!/usr/bin/env bash
# Writes the note-name recordings 2.wav .. 8.wav, which say C, D, E, F, G, A, B in that order,
# as the letters are said, spoken by espeak-ng in VOICE (see spoken.sh).
#
#   tools/sound/make_note_names.sh [OUTPUT_DIR] [VOICE]
#
# The Chinese interface's set:  tools/sound/make_note_names.sh assets en
# The English interface's set:  tools/sound/make_note_names.sh assets/en en-us
set -euo pipefail
cd "$(dirname "$0")/../.."
out_dir=${1:-assets}
voice=${2:-en}

. tools/sound/spoken.sh
mkdir -p "$out_dir"

number=2
for name in C D E F G A B; do
  say "$voice" "$name" "$out_dir/$number.wav"
  echo "$out_dir/$number.wav: \"$name\", $(soxi -D "$out_dir/$number.wav") s"
  number=$((number + 1))
done
