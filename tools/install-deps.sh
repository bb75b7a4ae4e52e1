#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev
  libqt6sql6-sqlite libqt6sql6-psql qt6-svg-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libxlsxwriter-dev libminizip-dev libzint-dev libyaz-dev libshp-dev libsodium-dev
  fonts-noto-cjk postgresql sqlite3
  xvfb xdotool imagemagick poppler-utils zbar-tools
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]})) || exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
