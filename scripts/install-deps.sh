#!/usr/bin/env bash
# Installs, with apt-get, whatever building and running the program needs and
# this Debian 12 machine does not have yet; with --tests, also what the tests,
# the sanitizer build and the package check need.
# Usage: scripts/install-deps.sh [--tests]
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev
  qt6-translations-l10n qt6-qpa-plugins qt6-image-formats-plugins libgl-dev
  fonts-liberation2 fonts-dejavu-core
  librsvg2-bin
  libxlsxwriter-dev libarchive-dev
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(
    clang
    poppler-utils python3-icalendar
    dpkg-dev file desktop-file-utils appstream lintian
    libreoffice-calc-nogui
  )
fi
# Not needed to build or run: refreshing the birthplace table of fiscal codes
# (scripts/convert-places.py) takes python3 and npm.

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
