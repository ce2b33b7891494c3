#!/usr/bin/env bash
# Checks the Debian package on a clean Debian 12 system: makes a chroot with
# debootstrap (once), installs build/selvora_*.deb there with apt-get, and
# starts the program as an ordinary user the way the desktop entry does, on
# the X display given (an Xvfb of the host). Needs root and the network; by
# hand only, not part of the tests.
# Usage: packaging/linux/debian12-chroot.sh [chroot folder] [display]
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
root="${1:-/var/tmp/selvora-bookworm}"
display="${2:-:19}"
build="${SELVORA_BUILD_DIR:-$here/build}"
mirror="${DEBIAN_MIRROR:-http://deb.debian.org/debian}"

if [ ! -x "$root/usr/bin/apt-get" ]; then
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
  debootstrap --variant=minbase bookworm "$root" "$mirror"
fi

mounted=()
bind() { mkdir -p "$root$1"; mount --bind "$1" "$root$1"; mounted+=("$root$1"); }
cleanup() { for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[$i]}" || true; done; }
trap cleanup EXIT
mount -t proc proc "$root/proc"; mounted+=("$root/proc")
bind /dev
bind /tmp/.X11-unix

deb="$(ls "$build"/selvora_*.deb | head -n 1)"
cp "$deb" "$root/tmp/"
chroot "$root" apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$deb")"
chroot "$root" id anna >/dev/null 2>&1 || chroot "$root" useradd -m -s /bin/bash anna

desktop="$root/usr/share/applications/it.selvora_software.Selvora.desktop"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
echo "Starting '$exec_line' as anna on $display; close the program to end."
chroot --userspec=anna:anna "$root" env -i HOME=/home/anna USER=anna DISPLAY="$display" \
  PATH=/usr/bin:/bin LANG=C.UTF-8 sh -c "$exec_line"
echo "Data folder of anna:"
find "$root/home/anna/.local/share/Selvora" -maxdepth 1 -printf '%M %u %s %p\n'
