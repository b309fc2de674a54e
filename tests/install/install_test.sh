#!/usr/bin/env bash
# Installs into a temporary prefix and checks the program, its data files and its desktop
# integration.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
check() { if "$@"; then echo "ok: $*"; else echo "FAIL: $*"; failures=$((failures + 1)); fi; }

check test -x "$prefix/bin/quavix"
# The program looks for these beside itself, in ../share/quavix.
for f in wode.bmp wodedi.bmp card.bmp note_up.png note_down.png icon.png MIDI1084.MID \
         2.wav 3.wav 4.wav 5.wav 6.wav 7.wav 8.wav en/2.wav en/3.wav en/4.wav en/5.wav en/6.wav \
         en/7.wav en/8.wav names/solfege/c.wav names/german/b-flat.wav \
         en/names/letters/f-sharp.wav en/names/numbers/g.wav; do
  check test -s "$prefix/share/quavix/$f"
done
desktop=$prefix/share/applications/org.quavix.Quavix.desktop
check desktop-file-validate "$desktop"
check grep -qx 'Icon=org.quavix.Quavix' "$desktop"
check grep -qx 'Exec=quavix' "$desktop"
check appstreamcli validate --no-net "$prefix/share/metainfo/org.quavix.Quavix.metainfo.xml"
icon=$prefix/share/icons/hicolor/128x128/apps/org.quavix.Quavix.png
check test "$(identify -format '%wx%h' "$icon")" = 128x128
echo "install: $failures failed"
[ "$failures" -eq 0 ]
