#!/usr/bin/env bash
# Installs the Debian packages Velmora needs to build, test and run, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  libqscintilla2-qt6-dev libpcre2-dev libjpeg62-turbo-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth poppler-utils
  # Without a display `make run` uses Xvfb; x11vnc lets a VNC viewer show it.
  x11vnc
  clang libclang-rt-14-dev
  # Icons: the Breeze theme behind the desktop's own, drawn from SVG by Qt's icon engine and
  # image plugins (libqt6svg6 ships iconengines/libqsvgicon.so and imageformats/libqsvg.so).
  breeze-icon-theme libqt6svg6
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages; run as root:"
  echo "  apt-get update && apt-get install -y ${missing[*]}"
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
