#!/usr/bin/env bash
# Tests the Windows build of scripts/build-windows.sh under Wine (Debian's
# wine64), with a Wine prefix of its own in build-windows/wineprefix:
#   1. every test program that can run under Wine, headless (-platform
#      offscreen on the command line: Wine does not hand QT_QPA_PLATFORM on);
#   2. a smoke test of the portable folder on Xvfb: log in with the initial
#      password and store a candidate card through the real windows, then
#      compare the archive written byte for byte with what the Linux build
#      writes for the same keys;
#   3. the installer: silent install (/S), the installed copy started from
#      its Start menu shortcut keeps its data in %APPDATA%\Selvora, silent
#      uninstall leaves that data in place.
# Prints "N passed, N failed" last; exits 1 when anything failed.
set -uo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/build-windows"
cache="${SELVORA_WINDOWS_CACHE:-$HOME/.cache/selvora-windows}"
qt="$cache/qt"
wine=/usr/lib/wine/wine64
version="$(sed -n 's/^project(Selvora VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")"
folder="$out/Selvora"
setup="$out/Selvora-$version-setup.exe"
linux_bin="${SELVORA_BUILD_DIR:-$here/build}/bin"

passed=0
failed=0
failures=()
pass() {
  passed=$((passed + 1))
  echo "PASS  $1"
}
failed_() {
  failed=$((failed + 1))
  failures+=("$1")
  echo "FAIL  $1${2:+: $2}"
}

for f in "$wine" "$folder/selvora.exe" "$setup" "$out/build/tests/bin"; do
  if [ ! -e "$f" ]; then
    echo "test-windows: $f is missing; run scripts/build-windows.sh first" >&2
    exit 2
  fi
done

export WINEPREFIX="$out/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export TZ=Europe/Rome LANG=C.UTF-8 LC_ALL=C.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Making the Wine prefix $WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1
fi
winpath() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# ------------------------------------------------------------------ 1. tests
# Not run under Wine, each with its reason (README lists them too):
declare -A linux_only=(
  [app_tst_backup]="makes a full disk with a small tmpfs (mount)"
  [app_tst_recordfile]="writes to /dev/full"
  [candidates_tst_erasure]="makes a full disk with a small tmpfs (mount)"
  [candidates_tst_erasurecommand]="makes a full disk with a small tmpfs (mount)"
  [candidates_tst_stampacandidati]="reads printed pages back with pdftoppm/pdftotext"
  [candidates_tst_trovacandidati]="reads printed pages back with pdftotext"
  [output_tst_cardtemplates]="reads PDF pages back with pdftoppm/pdftotext"
  [output_tst_summaryprint]="reads printed pages back with pdftotext"
  [output_tst_xlsxexport]="reads spreadsheets back with LibreOffice"
  [rankings_tst_officialranking]="reads the publication copy back with pdftotext"
  [sessions_tst_gridwindow]="reads the minutes back with pdftotext"
  [sessions_tst_stampapagina]="reads printed pages back with pdftotext"
)
dll_path="$(winpath "$qt/bin");$(winpath "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")");$(winpath /usr/x86_64-w64-mingw32/lib)"
export WINEPATH="$dll_path"
export QT_PLUGIN_PATH
QT_PLUGIN_PATH="$(winpath "$qt/plugins")"
platform="offscreen:configfile=$(winpath "$here/tests/support/offscreen.json")"
logs="$out/test-logs"
mkdir -p "$logs"
for exe in "$out/build/tests/bin/"*.exe; do
  name="$(basename "$exe" .exe)"
  if [ -n "${linux_only[$name]:-}" ]; then
    echo "SKIP  $name (${linux_only[$name]})"
    continue
  fi
  if (cd "$out/build/tests/bin" && timeout 900 "$wine" "$exe" -platform "$platform" >"$logs/$name.log" 2>&1); then
    pass "$name"
  else
    failed_ "$name" "see $logs/$name.log ($(grep -c '^FAIL!' "$logs/$name.log") failing cases)"
  fi
done

# ------------------------------------------------------------------ Xvfb
display=":47"
Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY="$display"
sleep 2

# The same keys for the Linux and the Windows program: log in, open the
# candidate archive, type a card and store it, leave.
drive_candidate_card() {
  sleep "$1" # the first start of a program under Wine takes a while
  xdotool type --delay 80 selvora
  xdotool key Return
  sleep 5
  xdotool mousemove 310 245 click 1 # Archivio candidati
  sleep 6
  xdotool type --delay 60 "ROSSI MARIO"
  xdotool key Tab
  xdotool type --delay 60 "M"
  xdotool key ctrl+s
  sleep 3
  xdotool key Return # the confirmation, if any
  sleep 3
}

# ------------------------------------------------------------------ 2. smoke
smoke="$out/smoke"
rm -rf "$smoke"
mkdir -p "$smoke/linux" "$smoke/windows"
cp -r "$folder" "$smoke/windows/Selvora"
start=$(date +%s.%N)
"$wine" "$smoke/windows/Selvora/selvora.exe" >"$logs/smoke-windows.log" 2>&1 &
app=$!
drive_candidate_card 10
kill $app 2>/dev/null
"$wine" wineserver -k 2>/dev/null
wait $app 2>/dev/null
if [ -x "$linux_bin/selvora" ]; then
  cp "$linux_bin/selvora" "$here/resources/program/unins000.dll" "$smoke/linux/"
  [ -f "$linux_bin/libselvora_camera.so" ] && cp "$linux_bin/libselvora_camera.so" "$smoke/linux/"
  "$smoke/linux/selvora" >"$logs/smoke-linux.log" 2>&1 &
  app=$!
  drive_candidate_card 3
  kill $app 2>/dev/null
  wait $app 2>/dev/null
  # The files of data both wrote (not the lock or logs): the same names, the
  # same bytes.
  same=1
  for f in "$smoke/linux/"*; do
    n="$(basename "$f")"
    case "$n" in selvora | libselvora_camera.so | *.log) continue ;; esac
    if ! cmp -s "$f" "$smoke/windows/Selvora/$n"; then
      same=0
      echo "      $n differs or is missing on Windows"
    fi
  done
  ls "$smoke/linux/"*.vai "$smoke/linux/"*.dat >/dev/null 2>&1 || ls "$smoke/linux" | grep -qv '^selvora$\|unins000' ||
    same=0
  [ "$same" = 1 ] && pass "smoke: files written under Wine equal the Linux ones" ||
    failed_ "smoke: files written under Wine equal the Linux ones"
else
  failed_ "smoke" "no Linux build in $linux_bin to compare with"
fi

# ------------------------------------------------------------------ 3. installer
"$wine" "$setup" /S >/dev/null 2>&1
sleep 3
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Selvora"
[ -f "$installed/bin/selvora.exe" ] && [ -f "$installed/share/selvora/unins000.dll" ] &&
  [ -f "$installed/share/doc/selvora/Guida.pdf" ] && pass "installer: files in Program Files" ||
  failed_ "installer: files in Program Files"
lnk="$(find "$drive_c/ProgramData" -name 'Selvora.lnk' -path '*Programs*' 2>/dev/null | head -n 1)"
[ -n "$lnk" ] && pass "installer: Start menu shortcut" || failed_ "installer: Start menu shortcut"
"$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Selvora' /v UninstallString \
  >/dev/null 2>&1 && pass "installer: entry in Programs and Features" ||
  failed_ "installer: entry in Programs and Features"
appdata="$(find "$drive_c/users" -maxdepth 4 -type d -path '*AppData/Roaming' 2>/dev/null | head -n 1)/Selvora"
if [ -n "$lnk" ]; then
  "$wine" start /unix "$lnk" >/dev/null 2>&1 &
  drive_candidate_card 8
  "$wine" wineserver -k 2>/dev/null
fi
[ -f "$appdata/unins000.dll" ] && pass "installed copy: data in %APPDATA%\\Selvora" ||
  failed_ "installed copy: data in %APPDATA%\\Selvora" "$appdata"
[ ! -e "$installed/bin/unins000.dll" ] && pass "installed copy: nothing written beside the program" ||
  failed_ "installed copy: nothing written beside the program"
"$wine" "$installed/Disinstalla.exe" /S >/dev/null 2>&1
for _ in $(seq 1 30); do
  [ -e "$installed/bin/selvora.exe" ] || break
  sleep 1
done
[ ! -e "$installed/bin" ] && pass "uninstaller: program removed" || failed_ "uninstaller: program removed"
[ -f "$appdata/unins000.dll" ] && pass "uninstaller: %APPDATA%\\Selvora kept" ||
  failed_ "uninstaller: %APPDATA%\\Selvora kept"
"$wine" wineserver -k 2>/dev/null

echo
for f in "${failures[@]}"; do echo "failed: $f"; done
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
