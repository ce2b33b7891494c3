#!/usr/bin/env bash
# Holds the walls between the rooms of src/: every #include "<room>/<File>.h"
# made from a file of another room must be one that README.md allows in its
# list of walls (the lines between "<!-- walls -->" and "<!-- /walls -->",
# one room each: "<room> -> <what it may use>, ..."). What a room may use is
# another room ("shared/ui"), one header of a room ("app/ui/Windows.h"), or
# "cores" for every core room. A room of src/ missing from the list, or an
# include of a room that does not exist, fails too.
# Usage: scripts/check-layout.sh [<source folder>]   (exit status 1 on a breach)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
root="${1:-$here}"

walls="$(awk '/<!-- walls -->/{on=1; next} /<!-- \/walls -->/{on=0} on && /->/' "$root/README.md")"
if [ -z "$walls" ]; then
  echo "check-layout: README.md has no list of walls" >&2
  exit 1
fi

# One pass over every include of src/: the walls first, then the includes,
# as "<file>:<line>:<text>" lines from grep.
{
  echo "$walls"
  echo "=== includes"
  (cd "$root" && grep -rHn --include='*.cpp' --include='*.h' \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]*/[a-z]*/[^"]*\.h"' src || true)
  echo "=== files"
  (cd "$root" && find src -type f \( -name '*.cpp' -o -name '*.h' \))
  echo "=== rooms"
  (cd "$root" && find src -mindepth 1 -maxdepth 2 -type d)
} | awk '
function room_of(path,   n, p) {
  n = split(path, p, "/")
  return n > 3 ? p[2] "/" p[3] : p[2]
}
$0 == "=== includes" { part = "includes"; next }
$0 == "=== files" { part = "files"; next }
$0 == "=== rooms" { part = "rooms"; next }
part == "" {
  split($0, side, "->")
  r = side[1]; gsub(/[[:space:]]/, "", r)
  u = side[2]; gsub(/[[:space:]]/, "", u)
  allowed[r] = "," u ","
  next
}
part == "includes" {
  file = $0; sub(/:.*/, "", file)
  target = $0; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
  n = split(target, t, "/")
  want[++count] = file SUBSEP t[1] "/" t[2] SUBSEP target
  next
}
part == "files" { files[$0] = 1; next }
part == "rooms" { sub(/^src\//, ""); exists[$0] = 1; next }
END {
  for (f in files) {
    r = room_of(f)
    if (!(r in allowed) && !(r in reported)) {
      print "check-layout: " f ": the room " r " is not in README'"'"'s list of walls" > "/dev/stderr"
      reported[r] = 1; failures++
    }
  }
  for (i = 1; i <= count; i++) {
    split(want[i], w, SUBSEP)
    r = room_of(w[1]); to = w[2]; target = w[3]
    if (to == r || !(r in allowed)) continue
    if (!(to in exists)) {
      print "check-layout: " w[1] ": includes " target " of no room" > "/dev/stderr"; failures++; continue
    }
    rules = allowed[r]
    if (index(rules, "," to ",") || index(rules, "," target ",")) continue
    if (to ~ /\/core$/ && index(rules, ",cores,")) continue
    print "check-layout: " w[1] ": " r " may not use " target " (README, \"Which room may use which\")" > "/dev/stderr"
    failures++
  }
  if (failures) {
    print "check-layout: " failures " include(s) cross a wall" > "/dev/stderr"
    exit 1
  }
  print "check-layout: every include keeps to the walls of README.md"
}'
