#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the game need.
# Quick when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libfluidsynth-dev libsdl2-dev libpulse-dev libasound2-dev timgm6mb-soundfont fonts-wqy-zenhei
  libgtest-dev libgmock-dev libbenchmark-dev clang-format
  xvfb xauth xdotool pulseaudio pulseaudio-utils imagemagick sox
  desktop-file-utils appstream dpkg-dev file
  librtmidi-dev jackd2 libjack-jackd2-dev libaubio-dev libfftw3-dev
  qt6-charts-dev libqt6opengl6-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools espeak-ng
  fonts-noto-core fonts-freefont-ttf python3
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
# libfluidsynth-dev pulls in the JACK headers only when a JACK server is installed.
if dpkg-query -W -f='${db:Status-Status}' jackd2 2>/dev/null | grep -q installed; then
  missing+=(libjack-jackd2-dev)
fi
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
