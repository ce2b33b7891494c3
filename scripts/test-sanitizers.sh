#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer in a
# build folder of its own (build-asan) and runs them all headless: any memory
# error or undefined behaviour makes its test fail.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${SELVORA_ASAN_BUILD_DIR:-$here/build-asan}"
# -O1 with line tables only: a quicker build than the release one, and
# still readable stack traces.
flags="-O1 -g1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

# Every report is fatal. Leak checking is off: Qt's plugins, fontconfig and
# the platform integration keep allocations for the life of the process and
# would bury real reports under their noise.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=0:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# Clang, because GCC narrows a product of two promoted 16-bit values to
# unsigned 16 bits before its sanitizer sees it, and so misses that signed
# overflow.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DSELVORA_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
