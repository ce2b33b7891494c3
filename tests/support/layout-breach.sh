#!/usr/bin/env bash
# The include walls hold: a copy of the sources with one include that crosses
# a wall (a core using a window, a window using the launcher) must fail the
# check, naming the file; the copy as it is must pass.
set -euo pipefail
source_dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$source_dir/src" "$source_dir/README.md" "$work/"
"$source_dir/scripts/check-layout.sh" "$work" > /dev/null

for breach in 'tools/core/FiscalCode.cpp:#include "sessions/ui/Torneo.h"' \
              'sessions/ui/Torneo.cpp:#include "app/ui/Avvio.h"' \
              'base/core/RecordFile.cpp:#include "safety/core/Backup.h"'; do
  file="${breach%%:*}"
  line="${breach#*:}"
  cp "$source_dir/src/$file" "$work/src/$file"
  echo "$line" >> "$work/src/$file"
  if out="$("$source_dir/scripts/check-layout.sh" "$work" 2>&1)"; then
    echo "not caught: $line in $file" >&2
    exit 1
  fi
  grep -q "src/$file" <<< "$out" || { echo "breach not named: $out" >&2; exit 1; }
  cp "$source_dir/src/$file" "$work/src/$file"
done
echo "every planted breach was caught"
