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
  [safety_tst_backup]="makes a full disk with a small tmpfs (mount)"
  [base_tst_recordfile]="writes to /dev/full"
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

# The same keys and clicks for the Linux and the Windows program: log in,
# store a candidate card, create a session, store an interview card, leave.
# Clicks are relative to the window found by its title. Under Wine, without a
# window manager, Wine draws the frame inside the X window: the offset of the
# client area is worked out from the launcher, whose client area is 900 x 680.
frame_dx=0
frame_dy=0
win() { xdotool search --name "$1" 2>/dev/null | tail -n 1; }
focus_in() {
  local id
  id="$(win "$1")"
  [ -n "$id" ] && xdotool windowfocus "$id" 2>/dev/null
  sleep 0.5
}
click_in() {
  local id
  id="$(win "$1")"
  [ -n "$id" ] || {
    echo "      no window \"$1\""
    return 1
  }
  xdotool mousemove --window "$id" $(($2 + frame_dx)) $(($3 + frame_dy)) click 1
}
measure_frame() {
  local id w h
  id="$(win '^ Selvora$')"
  [ -n "$id" ] || return 0
  eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
  w=$WIDTH
  h=$HEIGHT
  frame_dx=$(((w - 900) / 2))
  frame_dy=$((h - 680 - frame_dx))
  [ "$frame_dx" -ge 0 ] && [ "$frame_dy" -ge 0 ] || {
    frame_dx=0
    frame_dy=0
  }
}
drive_program() {
  sleep "$1" # the first start of a program under Wine takes a while
  frame_dx=0
  frame_dy=0
  focus_in "Accesso"
  xdotool type --delay 80 selvora
  xdotool key Return
  sleep 5
  measure_frame
  # A candidate card.
  click_in '^ Selvora$' 310 245 # Archivio candidati
  sleep 6
  focus_in "Archivio Candidati"
  xdotool type --delay 60 "ROSSI MARIO"
  xdotool key Tab
  xdotool type --delay 60 "M"
  click_in "Archivio Candidati" 161 59 # Salva scheda
  sleep 3
  xdotool key Return # "La scheda corrente è stata inserita in archivio."
  sleep 2
  click_in "Archivio Candidati" 1018 59 # Esci
  sleep 3
  # A session and an interview card.
  click_in '^ Selvora$' 589 230 # Crea nuova sessione
  sleep 4
  focus_in "Creazione nuova sessione"
  xdotool type --delay 60 "Prova"
  click_in "Creazione nuova sessione" 655 210 # Applica e chiudi
  sleep 3
  xdotool key Return
  sleep 2
  click_in '^ Selvora$' 310 447 # Apri sessione esistente
  sleep 4
  click_in "Apertura sessione" 120 111 # Prova.vai
  sleep 1
  click_in "Apertura sessione" 696 585 # Apri archivio
  sleep 5
  focus_in "Gestione sessione"
  xdotool type --delay 60 "ROSSI MARIO"
  for _ in 1 2 3 4 5; do xdotool key Tab; done
  xdotool type --delay 60 "27,5"
  click_in "Gestione sessione" 125 68 # Salva
  sleep 3
  xdotool key Return
  sleep 2
}

# ------------------------------------------------------------------ 2. smoke
smoke="$out/smoke"
rm -rf "$smoke"
mkdir -p "$smoke/linux" "$smoke/windows"
cp -r "$folder" "$smoke/windows/Selvora"
start=$(date +%s.%N)
"$wine" "$smoke/windows/Selvora/selvora.exe" >"$logs/smoke-windows.log" 2>&1 &
app=$!
drive_program 10
kill $app 2>/dev/null
"$wine" wineserver -k 2>/dev/null
wait $app 2>/dev/null
if [ -x "$linux_bin/selvora" ]; then
  cp "$linux_bin/selvora" "$here/resources/program/unins000.dll" "$smoke/linux/"
  [ -f "$linux_bin/libselvora_camera.so" ] && cp "$linux_bin/libselvora_camera.so" "$smoke/linux/"
  "$smoke/linux/selvora" >"$logs/smoke-linux.log" 2>&1 &
  app=$!
  drive_program 3
  kill $app 2>/dev/null
  wait $app 2>/dev/null
  # The files of data both wrote (not the program, the lock, logs): the same
  # names, the same bytes.
  same=1
  compared=0
  while IFS= read -r f; do
    n="${f#"$smoke/linux/"}"
    case "$n" in selvora | libselvora_camera.so | selvora.lck* | *.log) continue ;; esac
    compared=$((compared + 1))
    if [[ "$n" == *.jpg ]]; then
      # A photo is encoded by Qt's own JPEG library on Windows and by
      # Debian's on Linux: the same picture, not the same bytes.
      [ "$(file -b "$f" | grep -o '[0-9]*x[0-9]*,')" = "$(file -b "$smoke/windows/Selvora/$n" 2>/dev/null | grep -o '[0-9]*x[0-9]*,')" ] ||
        {
          same=0
          echo "      $n: not the same picture size on Windows"
        }
      continue
    fi
    if ! cmp -s "$f" "$smoke/windows/Selvora/$n"; then
      same=0
      echo "      $n differs or is missing on Windows"
    fi
  done < <(find "$smoke/linux" -type f)
  for n in Archivio_Candidati.pro Prova.vai; do
    [ -s "$smoke/linux/$n" ] || {
      same=0
      echo "      the Linux run did not write $n"
    }
  done
  echo "      $compared files compared"
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
  drive_program 8
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
