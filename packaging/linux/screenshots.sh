#!/usr/bin/env bash
# Takes the screenshots shown by software centres (packaging/linux/screenshots)
# from the built program under Xvfb at 1366 x 768: the login window, the
# launcher and a candidate card. Needs Xvfb, xdotool and imagemagick; by hand,
# whenever the windows change.
# Usage: packaging/linux/screenshots.sh [display]
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
display="${1:-:19}"
build="${SELVORA_BUILD_DIR:-$here/build}"
out="$here/packaging/linux/screenshots"
work="$(mktemp -d)"

Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
cleanup() { [ -n "${app:-}" ] && kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
export DISPLAY="$display"
sleep 1

# A fresh portable folder, so the pictures never show anyone's data.
cp "$build/bin/selvora" "$here/resources/program/unins000.dll" "$work/"
"$work/selvora" >/dev/null 2>&1 &
app=$!
sleep 3

shot() {
  # The window alone (no window manager: the rest of the screen is black);
  # small files: an 8-bit palette is enough for flat window colours.
  import -window root png:- | convert - -trim +repage -colors 256 -define png:compression-level=9 "PNG8:$out/$1.png"
}
mkdir -p "$out"
shot login
xdotool type --delay 40 selvora
xdotool key Return
sleep 2
shot launcher
# The launcher's first entry, the candidate archive.
xdotool mousemove 310 245 click 1
sleep 3
shot candidate
ls -l "$out"
