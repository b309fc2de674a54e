#!/usr/bin/env bash
# Builds the .deb from the build folder and checks what it declares and holds.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/quavix_*.deb)

failures=0
check() { if "$@"; then echo "ok: $*"; else echo "FAIL: $*"; failures=$((failures + 1)); fi; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libfluidsynth3 libsdl2 timgm6mb-soundfont fonts-wqy-zenhei; do
  check grep -q "$lib" <<<"$depends"
done
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in bin/quavix share/quavix/wode.bmp share/quavix/MIDI1084.MID share/quavix/2.wav \
         share/applications/org.quavix.Quavix.desktop share/metainfo/org.quavix.Quavix.metainfo.xml \
         share/icons/hicolor/128x128/apps/org.quavix.Quavix.png; do
  check grep -q "/$f\$" <<<"$contents"
done
echo "deb: $failures failed"
[ "$failures" -eq 0 ]
