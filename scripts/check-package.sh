#!/usr/bin/env bash
# Makes the Debian package and the portable archive from a built tree and
# checks what they hold: the files, the package's fields and dependencies, the
# desktop entry and the AppStream data validated.
# Usage: scripts/check-package.sh [build folder]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-${SELVORA_BUILD_DIR:-$here/build}}" && pwd)"
id=it.selvora_software.Selvora
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

cd "$build"
rm -f selvora_*.deb
cpack -G DEB >packaging/cpack.log 2>&1 || { cat packaging/cpack.log; exit 1; }
deb="$(ls selvora_*.deb)"
ok "package $deb ($(du -k "$deb" | cut -f1) kB)"

listing="$(dpkg-deb -c "$deb")"
expected=(
  ./usr/bin/selvora
  ./usr/lib/x86_64-linux-gnu/selvora/libselvora_camera.so
  ./usr/share/selvora/unins000.dll
  ./usr/share/doc/selvora/Guida.pdf
  ./usr/share/doc/selvora/copyright
  ./usr/share/applications/$id.desktop
  ./usr/share/metainfo/$id.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/selvora.svg
  ./usr/share/man/man1/selvora.1.gz
  ./usr/share/man/it/man1/selvora.1.gz
  ./usr/share/doc/selvora/changelog.gz
  ./usr/share/lintian/overrides/selvora
)
if command -v rsvg-convert >/dev/null; then
  for s in 16 24 32 48 64 128 256; do expected+=("./usr/share/icons/hicolor/${s}x${s}/apps/selvora.png"); done
fi
for f in "${expected[@]}"; do
  grep -q " $f\$" <<<"$listing" && ok "$f" || fail "missing $f"
done
grep -q '^-rwxr-xr-x .* ./usr/bin/selvora$' <<<"$listing" || fail "/usr/bin/selvora is not an executable"
grep -q '^-r--r--r-- .* ./usr/share/selvora/unins000.dll$' <<<"$listing" \
  || fail "the installed password file is not read-only"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = selvora ] || fail "package name"
[ "$(field Section)" = misc ] || fail "section"
depends="$(field Depends)"
for d in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6printsupport6 \
         qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 fonts-dejavu-core; do
  grep -q "\b$d\b" <<<"$depends" || fail "Depends lacks $d"
done
# The pictures are PNG files rendered at build time: no SVG library is
# loaded, so none is a dependency.
grep -q "svg" <<<"$depends" && fail "Depends names an SVG library: $depends"
ok "Depends: $depends"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp/root"
cmp -s "$tmp/root/usr/share/selvora/unins000.dll" "$here/resources/program/unins000.dll" \
  || fail "the installed password file differs from the one of a fresh program folder"
zcat "$tmp/root/usr/share/man/man1/selvora.1.gz" | grep -q '^\.TH SELVORA 1' || fail "manual page"
zcat "$tmp/root/usr/share/man/it/man1/selvora.1.gz" | grep -q '^\.SH DESCRIZIONE' || fail "Italian manual page"
# The camera module is private to the program: no ldconfig trigger, no shlibs.
dpkg-deb -e "$deb" "$tmp/control"
if [ -e "$tmp/control/triggers" ] && grep -q ldconfig "$tmp/control/triggers"; then fail "ldconfig trigger"; fi
for f in postinst postrm shlibs; do if [ -e "$tmp/control/$f" ]; then fail "control file $f"; fi; done
if command -v lintian >/dev/null; then
  # Errors and warnings fail the check; the read-only password file is the
  # one deliberate remark, overridden in the package with its reason.
  lintian --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1 \
    && ok "lintian clean" || { cat "$tmp/lintian.log"; fail "lintian"; }
else
  echo "note: lintian not installed, package not linted"
fi
if command -v file >/dev/null && command -v rsvg-convert >/dev/null; then
  for s in 16 48 256; do
    file "$tmp/root/usr/share/icons/hicolor/${s}x${s}/apps/selvora.png" | grep -q "PNG image data, $s x $s" \
      || fail "icon ${s}x${s}"
  done
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$tmp/root/usr/share/applications/$id.desktop" && ok "desktop entry valid" \
    || fail "desktop entry"
  grep -q '^Categories=.*Office;' "$tmp/root/usr/share/applications/$id.desktop" || fail "Office category"
else
  echo "note: desktop-file-validate not installed, desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/$id.metainfo.xml" >"$tmp/as.log" 2>&1 \
    && ok "AppStream data valid" || { cat "$tmp/as.log"; fail "AppStream data"; }
else
  echo "note: appstreamcli not installed, AppStream data not validated"
fi

# The portable archive: the executable and a fresh program folder's files,
# never the data of the build folder.
cmake --build . --target portable >"$tmp/portable.log" 2>&1 || { cat "$tmp/portable.log"; exit 1; }
archive="$(ls selvora-*-portable-linux-*.tar.gz)"
names="$(tar tzf "$archive" | grep -v '/$' | sort)"
want="$(printf '%s\n' Selvora/Guida.pdf Selvora/selvora Selvora/libselvora_camera.so Selvora/unins000.dll \
  Selvora/translations/qtbase_it.qm Selvora/translations/qtmultimedia_it.qm | sort)"
extra="$(comm -23 <(echo "$names") <(echo "$want") || true)"
missing="$(comm -13 <(echo "$names") <(echo "$want"))"
[ -z "$missing" ] || fail "portable archive lacks: $missing"
[ -z "$extra" ] || fail "portable archive holds more than it should: $extra"
tar xzf "$archive" -C "$tmp"
[ -x "$tmp/Selvora/selvora" ] || fail "portable executable"
# The program itself must start without the media libraries: they come with
# the camera module, loaded when the camera window opens.
if command -v readelf >/dev/null; then
  readelf -d "$tmp/Selvora/selvora" | grep -q 'libQt6Multimedia' && fail "the executable links Qt Multimedia"
  readelf -d "$tmp/Selvora/libselvora_camera.so" | grep -q 'libQt6Multimedia' \
    || fail "the camera module does not link Qt Multimedia"
  ok "Qt Multimedia only in the camera module"
fi
ok "portable archive $archive ($(du -k "$archive" | cut -f1) kB)"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "package and archive checked"
