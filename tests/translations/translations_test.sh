#!/usr/bin/env bash
# Fails on a text the player sees that has no finished translation. lupdate first brings a copy of
# the translation file up to date with the sources, so a text that nobody has added to it yet
# counts as unfinished too.
# Usage: translations_test.sh LUPDATE TS_FILE LUPDATE_OPTION... -- SOURCE...
set -euo pipefail
lupdate=$1 ts=$2
shift 2
options=()
while [ "$1" != -- ]; do options+=("$1"); shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/current.ts"
"$lupdate" "${options[@]}" "$@" -ts "$work/current.ts" >/dev/null

# The core's texts are found, and so are the window's.
for known in 游戏开始 背景音乐; do
  grep -q "<source>$known</source>" "$work/current.ts" || { echo "lupdate missed \"$known\""; exit 1; }
done
awk '
  /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
  /<translation/ && (/type="unfinished"/ || /<translation><\/translation>/ || /<translation\/>/) {
    print "no finished translation: \"" source "\""
    missing++
  }
  END { exit missing > 0 }' "$work/current.ts"
echo "$(grep -c '<translation>' "$work/current.ts") texts translated in $(basename "$ts")"
