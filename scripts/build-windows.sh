#!/usr/bin/env bash
# Builds Selvora for Windows x64 on Debian 12 and packs it in build-windows/:
#   Selvora-<version>-windows-x64.zip   portable folder
#   Selvora-<version>-setup.exe         installer (NSIS, in Italian)
#
# The cross toolchain (Qt 6.4.2 base, shader tools and multimedia, zlib,
# libxlsxwriter, libarchive) is built from Debian's own source packages with
# MinGW-w64 into a cache folder outside the tree, once per set of versions:
#   SELVORA_WINDOWS_CACHE   cache folder (default ~/.cache/selvora-windows)
#   SELVORA_WINDOWS_JOBS    parallel jobs (default: number of cores)
#   SELVORA_WINDOWS_CAMERA  OFF leaves out the shader tools, Qt Multimedia
#                           and so the camera module (a quicker first build)
#   SELVORA_SIGN_CERT, SELVORA_SIGN_KEY [, SELVORA_SIGN_PASS]
#                           sign the .exe files with osslsigncode
# Options:
#   --toolchain-only        build (or check) the cache and stop
#   --step=<step>           build (or check) one toolchain step and stop (zlib,
#                           xlsxwriter, libarchive, qtbase, shadertools,
#                           multimedia); a second run can so build Qt while
#                           the first builds the small libraries: each step
#                           holds a lock, so nothing is built twice at once
#
# Each toolchain step leaves a stamp in <cache>/stamps holding the versions it
# was built from; a step whose stamp is missing or stale, or whose installed
# files are missing, is built again. Logs go to <cache>/logs/<step>.log.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
cache="${SELVORA_WINDOWS_CACHE:-$HOME/.cache/selvora-windows}"
jobs="${SELVORA_WINDOWS_JOBS:-$(nproc)}"
toolchain_only=0
only_step=""
for a in "$@"; do
  case "$a" in
  --toolchain-only) toolchain_only=1 ;;
  --step=*)
    only_step="${a#--step=}"
    toolchain_only=1
    ;;
  *)
    echo "build-windows: unknown option $a" >&2
    exit 2
    ;;
  esac
done

mkdir -p "$cache"/{src,build,stamps,logs,deps}
cache="$(cd "$cache" && pwd)"
qt="$cache/qt"
deps="$cache/deps"
triple=x86_64-w64-mingw32
mingw_root=/usr/$triple

current_step="start"
current_package=""
fail() {
  echo "build-windows: FAILED at step '$current_step'${current_package:+ (package $current_package)}: $*" >&2
  [ -f "$cache/logs/$current_step.log" ] && {
    echo "--- last lines of $cache/logs/$current_step.log ---" >&2
    tail -n 30 "$cache/logs/$current_step.log" >&2
  }
  exit 1
}
trap 'fail "command failed (line $LINENO)"' ERR

say() { echo "[$(date +%H:%M:%S)] $*"; }

# ---------------------------------------------------------------- host tools
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
apt_get() {
  # Another program may hold apt's locks for a while: wait and try again.
  local try
  for try in 1 2 3 4 5 6 7 8 9 10; do
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 "$@" && return 0
    sleep 30
  done
  return 1
}

host_packages=(
  cmake ninja-build dpkg-dev xz-utils zip unzip file
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev qt6-base-dev-tools qt6-shadertools-dev qt6-translations-l10n
  librsvg2-bin icoutils nsis wine64 xvfb xauth xdotool osslsigncode
)

install_host_tools() {
  current_step="host-tools"
  current_package="apt"
  local missing=()
  for p in "${host_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    say "installing ${missing[*]}"
    apt_get update -qq >"$cache/logs/host-tools.log" 2>&1 || fail "apt-get update"
    apt_get install -y -qq --no-install-recommends "${missing[@]}" >>"$cache/logs/host-tools.log" 2>&1 ||
      fail "apt-get install ${missing[*]}"
  fi
}

# A deb-src entry for the same Debian archive apt already uses.
enable_sources() {
  current_step="sources-list"
  current_package="apt"
  if apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    return
  fi
  local list=/etc/apt/sources.list.d/selvora-deb-src.sources
  local uri="http://deb.debian.org/debian" keyring="/usr/share/keyrings/debian-archive-keyring.gpg"
  local f
  for f in /etc/apt/sources.list.d/debian.sources; do
    [ -f "$f" ] || continue
    uri="$(awk '/^URIs:/{print $2; exit}' "$f")"
    keyring="$(awk '/^Signed-By:/{print $2; exit}' "$f")"
  done
  say "adding $list ($uri bookworm main)"
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: %s\n' \
    "$uri" "$keyring" | $SUDO tee "$list" >/dev/null
  apt_get update -qq >"$cache/logs/sources-list.log" 2>&1 || fail "apt-get update after adding deb-src"
}

src_version() {
  apt-cache showsrc "$1" 2>/dev/null | awk '/^Version:/{print $2}' | sort -V | tail -n 1
}

# Downloads and unpacks a Debian source package (with Debian's patches) into
# <cache>/src/<package>-<version>; prints that folder.
fetch_source() {
  local pkg="$1" ver="$2"
  local dir="$cache/src/$pkg-$ver"
  if [ -f "$dir/.selvora-unpacked" ]; then
    echo "$dir"
    return
  fi
  current_step="source-$pkg"
  current_package="$pkg $ver"
  say "downloading and unpacking $pkg $ver" >&2
  rm -rf "$dir" "$cache/src/dl-$pkg"
  mkdir -p "$cache/src/dl-$pkg"
  (cd "$cache/src/dl-$pkg" && apt-get source --download-only "$pkg=$ver") \
    >"$cache/logs/source-$pkg.log" 2>&1 || fail "apt-get source $pkg=$ver"
  (cd "$cache/src/dl-$pkg" && dpkg-source --no-check -x ./*.dsc "$dir") \
    >>"$cache/logs/source-$pkg.log" 2>&1 || fail "dpkg-source -x $pkg"
  rm -rf "$cache/src/dl-$pkg"
  touch "$dir/.selvora-unpacked"
  echo "$dir"
}

# step_done <step> <key> <file>...: true when the stamp holds <key> and every
# listed file is there.
step_done() {
  local step="$1" key="$2"
  shift 2
  [ -f "$cache/stamps/$step" ] && [ "$(cat "$cache/stamps/$step")" = "$key" ] || return 1
  local f
  for f in "$@"; do
    if [ ! -e "$f" ]; then
      say "cache damaged: $f is missing; building $step again"
      return 1
    fi
  done
  return 0
}
stamp() { echo "$2" >"$cache/stamps/$1"; }
unstamp() { rm -f "$cache/stamps/$1"; }

# run_logged <step> <command...>: runs at low priority with output to the log.
# A command killed by a signal (a stopped session, an out-of-memory kill)
# leaves a mark, so that its half-built folder is resumed, never wiped.
run_logged() {
  local step="$1" status=0
  shift
  nice -n 10 "$@" >>"$cache/logs/$step.log" 2>&1 || status=$?
  # Ninja catches the signal itself and exits with 2, saying so in the log.
  if [ "$status" -gt 128 ] || { [ "$status" -ne 0 ] &&
    tail -n 3 "$cache/logs/$step.log" | grep -q "interrupted by user"; }; then
    touch "$cache/build/.$step.killed"
  fi
  return "$status"
}

toolchain_file="$cache/mingw-w64-x86_64.cmake"
write_toolchain_file() {
  cat >"$toolchain_file.new" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triple-gcc-posix)
set(CMAKE_CXX_COMPILER $triple-g++-posix)
set(CMAKE_RC_COMPILER $triple-windres)
set(CMAKE_FIND_ROOT_PATH $mingw_root $deps)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
  if ! cmp -s "$toolchain_file.new" "$toolchain_file"; then mv "$toolchain_file.new" "$toolchain_file"; else rm "$toolchain_file.new"; fi
}

# A step runs in <cache>/build/<step>. When an earlier run of it stopped
# halfway, the build folder is reused (the build tool redoes what is out of
# date); if that fails (and was not killed), the folder is wiped and the step
# is tried once more from the beginning.
build_step() {
  local step="$1" fn="$2"
  current_step="$step"
  : >"$cache/logs/$step.log"
  if [ -d "$cache/build/$step" ]; then
    say "$step: resuming an earlier, unfinished build"
    rm -f "$cache/build/.$step.killed"
    if (set +e; trap - ERR; "$fn"); then return 0; fi
    if [ -e "$cache/build/.$step.killed" ]; then
      fail "the build was killed; run the same command again to go on from where it stopped"
    fi
    say "$step: resuming failed; starting again from a clean folder"
    echo "=== starting again from a clean folder ===" >>"$cache/logs/$step.log"
  fi
  rm -rf "$cache/build/$step"
  mkdir -p "$cache/build/$step"
  (set +e; trap - ERR; "$fn") || fail "build failed, see $cache/logs/$step.log"
}

# ---------------------------------------------------------------- zlib
zlib_src=""
do_zlib() {
  local b="$cache/build/zlib"
  mkdir -p "$b" || return 1
  run_logged zlib cmake -S "$zlib_src" -B "$b" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" || return 1
  run_logged zlib cmake --build "$b" --target zlibstatic -j "$jobs" || return 1
  mkdir -p "$deps/lib" "$deps/include" || return 1
  cp "$b/libzlibstatic.a" "$deps/lib/libz.a" || return 1
  cp "$zlib_src/zlib.h" "$b/zconf.h" "$deps/include/" || return 1
}

# ---------------------------------------------------------------- libxlsxwriter
xlsx_src=""
do_xlsxwriter() {
  local b="$cache/build/xlsxwriter"
  mkdir -p "$b" || return 1
  run_logged xlsxwriter cmake -S "$xlsx_src" -B "$b" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" -DBUILD_SHARED_LIBS=OFF \
    -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF \
    -DZLIB_LIBRARY="$deps/lib/libz.a" -DZLIB_INCLUDE_DIR="$deps/include" || return 1
  run_logged xlsxwriter cmake --build "$b" -j "$jobs" || return 1
  run_logged xlsxwriter cmake --install "$b" || return 1
}

# ---------------------------------------------------------------- libarchive
archive_src=""
do_libarchive() {
  local b="$cache/build/libarchive"
  mkdir -p "$b" || return 1
  run_logged libarchive cmake -S "$archive_src" -B "$b" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" \
    -DZLIB_LIBRARY="$deps/lib/libz.a" -DZLIB_INCLUDE_DIR="$deps/include" \
    -DZLIB_WINAPI=OFF -DZLIB_WINAPI_WITH_LIB="$deps/lib/libz.a" \
    -DENABLE_OPENSSL=OFF -DENABLE_CNG=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_LZ4=OFF \
    -DENABLE_LZO=OFF -DENABLE_BZip2=OFF -DENABLE_LIBXML2=OFF -DENABLE_EXPAT=OFF -DENABLE_ICONV=OFF \
    -DENABLE_ACL=OFF -DENABLE_XATTR=OFF -DENABLE_LIBB2=OFF -DENABLE_PCREPOSIX=OFF -DENABLE_NETTLE=OFF \
    -DENABLE_MBEDTLS=OFF -DENABLE_TEST=OFF -DENABLE_TAR=OFF -DENABLE_CPIO=OFF -DENABLE_CAT=OFF \
    -DENABLE_INSTALL=OFF || return 1
  run_logged libarchive cmake --build "$b" --target archive_static -j "$jobs" || return 1
  cp "$b/libarchive/libarchive_static.a" "$deps/lib/libarchive.a" || return 1
  cp "$archive_src/libarchive/archive.h" "$archive_src/libarchive/archive_entry.h" "$deps/include/" || return 1
}

# ---------------------------------------------------------------- qtbase
qtbase_src=""
do_qtbase() {
  local b="$cache/build/qtbase"
  mkdir -p "$b" || return 1
  run_logged qtbase cmake -S "$qtbase_src" -B "$b" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$qt" -DCMAKE_BUILD_TYPE=Release \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_sql=OFF -DFEATURE_network=ON \
    -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_system_zlib=OFF \
    -DFEATURE_tabletevent=OFF || return 1
  run_logged qtbase cmake --build "$b" -j "$jobs" || return 1
  rm -rf "$qt" || return 1
  run_logged qtbase cmake --install "$b" || return 1
}

# ---------------------------------------------------------------- qtshadertools
shadertools_src=""
do_shadertools() {
  local b="$cache/build/shadertools"
  mkdir -p "$b" || return 1
  run_logged shadertools "$qt/bin/qt-cmake" -S "$shadertools_src" -B "$b" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF || return 1
  run_logged shadertools cmake --build "$b" -j "$jobs" || return 1
  run_logged shadertools cmake --install "$b" || return 1
}

# ---------------------------------------------------------------- qtmultimedia
multimedia_src=""
do_multimedia() {
  local b="$cache/build/multimedia"
  local inc="$cache/build/multimedia-headers"
  mkdir -p "$b" "$inc" || return 1
  # Its sources name Windows headers with capitals; MinGW ships them in
  # lower case.
  local h
  for h in Dbt.h Functiondiscoverykeys_devpkey.h InitGuid.h Mferror.h Mfidl.h Mfreadwrite.h Wmcodecdsp.h \
    Mfapi.h Mfobjects.h Mftransform.h Propvarutil.h Ks.h Ksmedia.h Mmdeviceapi.h Audioclient.h; do
    local lower="${h,,}"
    [ -e "$mingw_root/include/$lower" ] && ln -sf "$mingw_root/include/$lower" "$inc/$h"
  done
  ln -sf "$qt/include/QtCore/qurl.h" "$inc/QUrl.h" || return 1
  local L="$mingw_root/lib"
  run_logged multimedia "$qt/bin/qt-cmake" -S "$multimedia_src" -B "$b" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="-I$inc" \
    -DWMF_MF_LIBRARY="$L/libmf.a" -DWMF_MFPLAT_LIBRARY="$L/libmfplat.a" \
    -DWMF_MFCORE_LIBRARY="$L/libmfcore.a" -DWMF_MFUUID_LIBRARY="$L/libmfuuid.a" \
    -DWMF_PROPSYS_LIBRARY="$L/libpropsys.a" || return 1
  if ! grep -Eq 'Windows Media Foundation[ .]*yes' "$cache/logs/multimedia.log"; then
    echo "Windows Media Foundation not found by configure" >>"$cache/logs/multimedia.log"
    return 1
  fi
  run_logged multimedia cmake --build "$b" -j "$jobs" || return 1
  run_logged multimedia cmake --install "$b" || return 1
}

# run_step <step> <key> <package> <version> <build function> <source var> <files...>:
# builds one step unless its stamp and files say it is done, holding the
# step's lock so that two runs never build it at once.
run_step() {
  local step="$1" key="$2" pkg="$3" ver="$4" fn="$5" srcvar="$6"
  shift 6
  [ -n "$only_step" ] && [ "$only_step" != "$step" ] && return 0
  current_step="$step"
  current_package="$pkg $ver"
  local lock
  exec {lock}>"$cache/stamps/$step.lock"
  if ! flock -n "$lock"; then
    say "$step: another run is building it; waiting"
    flock "$lock"
  fi
  if ! step_done "$step" "$key" "$@"; then
    unstamp "$step"
    local src
    src="$(fetch_source "$pkg" "$ver")" || fail "source of $pkg"
    printf -v "$srcvar" '%s' "$src"
    say "$step: building ($pkg $ver; log: $cache/logs/$step.log)"
    local t0=$SECONDS
    build_step "$step" "$fn"
    stamp "$step" "$key"
    say "$step: done in $(((SECONDS - t0) / 60)) min"
  fi
  exec {lock}>&-
}

build_toolchain() {
  # One run at a time asks apt (a second run waits here).
  local apt_lock
  exec {apt_lock}>"$cache/stamps/apt.lock"
  flock "$apt_lock"
  install_host_tools
  enable_sources
  exec {apt_lock}>&-
  write_toolchain_file

  current_step="versions"
  local v_base v_shader v_mm v_zlib v_xlsx v_archive v_gcc
  v_base="$(src_version qt6-base)"
  v_shader="$(src_version qt6-shadertools)"
  v_mm="$(src_version qt6-multimedia)"
  v_zlib="$(src_version zlib)"
  v_xlsx="$(src_version libxlsxwriter)"
  v_archive="$(src_version libarchive)"
  v_gcc="$($triple-g++-posix -dumpfullversion)"
  for v in "$v_base" "$v_shader" "$v_mm" "$v_zlib" "$v_xlsx" "$v_archive"; do
    [ -n "$v" ] || fail "a source package version is unknown (is the deb-src entry in place?)"
  done
  local k_zlib="zlib=$v_zlib gcc=$v_gcc"
  local k_xlsx="$k_zlib libxlsxwriter=$v_xlsx"
  local k_archive="$k_zlib libarchive=$v_archive"
  local k_base="qt6-base=$v_base gcc=$v_gcc network=on"
  local k_shader="$k_base qt6-shadertools=$v_shader"
  local k_mm="$k_shader qt6-multimedia=$v_mm"

  # A step built again makes the steps built on it stale: their keys hold
  # the keys of what they use.
  run_step zlib "$k_zlib" zlib "$v_zlib" do_zlib zlib_src "$deps/lib/libz.a" "$deps/include/zlib.h"
  run_step xlsxwriter "$k_xlsx" libxlsxwriter "$v_xlsx" do_xlsxwriter xlsx_src \
    "$deps/lib/libxlsxwriter.a" "$deps/include/xlsxwriter.h"
  run_step libarchive "$k_archive" libarchive "$v_archive" do_libarchive archive_src \
    "$deps/lib/libarchive.a" "$deps/include/archive.h"
  run_step qtbase "$k_base" qt6-base "$v_base" do_qtbase qtbase_src "$qt/bin/qt-cmake" "$qt/bin/Qt6Core.dll" \
    "$qt/bin/Qt6Widgets.dll" "$qt/bin/Qt6Test.dll" "$qt/plugins/platforms/qwindows.dll" \
    "$qt/plugins/imageformats/qjpeg.dll"
  if [ "${SELVORA_WINDOWS_CAMERA:-ON}" = OFF ]; then
    say "camera: left out (SELVORA_WINDOWS_CAMERA=OFF); no shader tools, no Qt Multimedia"
    current_step="toolchain"
    current_package=""
    say "toolchain ready in $cache ($(du -sh "$cache" | cut -f1))"
    return 0
  fi
  run_step shadertools "$k_shader" qt6-shadertools "$v_shader" do_shadertools shadertools_src \
    "$qt/bin/Qt6ShaderTools.dll"

  # The camera module needs Qt Multimedia with its Windows Media Foundation
  # back end. When it cannot be built the program is made without the camera
  # module, and says so where the camera would be.
  current_package="qt6-multimedia $v_mm"
  local mm_lock
  exec {mm_lock}>"$cache/stamps/multimedia.lock"
  flock "$mm_lock"
  if [ -n "$only_step" ] && [ "$only_step" != multimedia ]; then
    :
  elif [ -f "$cache/stamps/multimedia.failed" ] && [ "$(cat "$cache/stamps/multimedia.failed")" = "$k_mm" ]; then
    say "qtmultimedia: did not build with these versions before; the camera module is left out"
  elif ! step_done multimedia "$k_mm" "$qt/bin/Qt6Multimedia.dll" "$qt/plugins/multimedia/windowsmediaplugin.dll"; then
    unstamp multimedia
    multimedia_src="$(fetch_source qt6-multimedia "$v_mm")"
    say "qtmultimedia: building"
    current_step=multimedia
    : >"$cache/logs/multimedia.log"
    rm -rf "$cache/build/multimedia"
    if (set +e; trap - ERR; do_multimedia); then
      stamp multimedia "$k_mm"
      rm -f "$cache/stamps/multimedia.failed"
    else
      echo "$k_mm" >"$cache/stamps/multimedia.failed"
      say "qtmultimedia: FAILED (see $cache/logs/multimedia.log); the camera module is left out"
    fi
  fi
  exec {mm_lock}>&-
  current_step="toolchain"
  current_package=""
  say "toolchain ready in $cache ($(du -sh "$cache" | cut -f1))"
}

build_toolchain
[ "$toolchain_only" = 1 ] && exit 0

# ---------------------------------------------------------------- the program
out="$here/build-windows"
version="$(sed -n 's/^project(Selvora VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")"
[ -n "$version" ] || fail "no version in CMakeLists.txt"
mkdir -p "$out"
applog() { echo "$out/$1.log"; }

# The manual is the same document on every platform; the tool that writes it
# runs here, so a small host build makes it.
current_step="manual"
current_package="selvora (host build of Guida.pdf)"
say "manual: host build of Guida.pdf"
"$here/scripts/install-deps.sh" >"$(applog manual)" 2>&1 || fail "scripts/install-deps.sh, see $(applog manual)"
cmake -S "$here" -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSELVORA_BUILD_TESTS=OFF \
  -DSELVORA_BUILD_BENCH=OFF >>"$(applog manual)" 2>&1 || fail "configure, see $(applog manual)"
nice -n 10 cmake --build "$out/host" --target guida_pdf -j "$jobs" >>"$(applog manual)" 2>&1 ||
  fail "build, see $(applog manual)"

current_step="program"
current_package="selvora $version"
say "program: cross build in $out/build"
tests="${SELVORA_WINDOWS_TESTS:-ON}"
"$qt/bin/qt-cmake" -S "$here" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSELVORA_WINDOWS_DEPS="$deps" -DSELVORA_GUIDA_PDF="$out/host/bin/Guida.pdf" \
  -DSELVORA_BUILD_BENCH=OFF -DSELVORA_BUILD_TESTS="$tests" -DSELVORA_WERROR="${SELVORA_WERROR:-ON}" \
  >"$(applog program)" 2>&1 || fail "configure, see $(applog program)"
nice -n 10 cmake --build "$out/build" -j "$jobs" >>"$(applog program)" 2>&1 || fail "build, see $(applog program)"

# ---------------------------------------------------------------- the folder
# Which DLLs a module imports, found in Qt's bin/ or among MinGW's runtime;
# system DLLs (kernel32, user32, ...) are not shipped.
gcc_dlls="$(dirname "$($triple-g++-posix -print-libgcc-file-name)")"
dll_paths=("$qt/bin" "$gcc_dlls" "$mingw_root/lib" "$mingw_root/bin")
find_dll() {
  local d
  for d in "${dll_paths[@]}"; do
    [ -f "$d/$1" ] && { echo "$d/$1"; return 0; }
  done
  return 1
}
# Copies into $2 every non-system DLL $1 needs, recursively.
copy_needed_dlls() {
  local module="$1" dest="$2" name path
  for name in $($triple-objdump -p "$module" | sed -n 's/^\s*DLL Name: //p'); do
    [ -f "$dest/$name" ] && continue
    path="$(find_dll "$name")" || continue
    cp "$path" "$dest/$name"
    copy_needed_dlls "$dest/$name" "$dest"
  done
}

current_step="folder"
current_package="selvora $version"
folder="$out/Selvora"
say "folder: $folder"
rm -rf "$folder"
mkdir -p "$folder"/{platforms,imageformats,styles,translations}
bin="$out/build/bin"
cp "$bin/selvora.exe" "$bin/unins000.dll" "$bin/Guida.pdf" "$folder/"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/imageformats/qjpeg.dll" "$folder/imageformats/"
cp "$qt/plugins/styles/"*.dll "$folder/styles/"
if compgen -G "$qt/plugins/printsupport/*.dll" >/dev/null; then
  mkdir -p "$folder/printsupport"
  cp "$qt/plugins/printsupport/"*.dll "$folder/printsupport/"
fi
cp /usr/share/qt6/translations/qtbase_it.qm "$folder/translations/"
camera=0
if [ -f "$bin/selvora_camera.dll" ]; then
  camera=1
  mkdir -p "$folder/multimedia"
  cp "$bin/selvora_camera.dll" "$folder/"
  cp "$qt/plugins/multimedia/windowsmediaplugin.dll" "$folder/multimedia/"
  [ -f /usr/share/qt6/translations/qtmultimedia_it.qm ] && cp /usr/share/qt6/translations/qtmultimedia_it.qm "$folder/translations/"
fi
for m in "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll; do
  [ "$(basename "$m")" = unins000.dll ] && continue
  copy_needed_dlls "$m" "$folder"
done
# The password file is data, not a library: it must not be stripped.
for m in "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll; do
  [ "$(basename "$m")" = unins000.dll ] && continue
  $triple-strip --strip-unneeded "$m"
done

sign() {
  [ -n "${SELVORA_SIGN_CERT:-}" ] && [ -n "${SELVORA_SIGN_KEY:-}" ] || return 0
  current_step="sign"
  current_package="$(basename "$1")"
  local args=(sign -certs "$SELVORA_SIGN_CERT" -key "$SELVORA_SIGN_KEY" -n Selvora -i https://www.selvora-software.it)
  [ -n "${SELVORA_SIGN_PASS:-}" ] && args+=(-pass "$SELVORA_SIGN_PASS")
  osslsigncode "${args[@]}" -in "$1" -out "$1.signed" >"$(applog sign)" 2>&1 || fail "osslsigncode, see $(applog sign)"
  mv "$1.signed" "$1"
  say "signed $(basename "$1")"
}
sign "$folder/selvora.exe"
[ "$camera" = 1 ] && sign "$folder/selvora_camera.dll"

current_step="zip"
zip_file="$out/Selvora-$version-windows-x64.zip"
rm -f "$zip_file"
(cd "$out" && zip -q -r -9 "$zip_file" Selvora) || fail "zip"

current_step="installer"
current_package="nsis"
setup="$out/Selvora-$version-setup.exe"
rm -f "$setup"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE="$folder" -DOUTFILE="$setup" \
  -DICON="$out/build/packaging/selvora.ico" "$here/packaging/windows/selvora.nsi" >"$(applog installer)" 2>&1 ||
  fail "makensis, see $(applog installer)"
sign "$setup"

say "made $(basename "$zip_file") ($(du -h "$zip_file" | cut -f1)) and $(basename "$setup") ($(du -h "$setup" | cut -f1))"
[ "$camera" = 1 ] || say "Qt Multimedia was not built: the Windows copy has no camera module"
