#!/usr/bin/env bash
# Configures and builds Selvora in build/ (the program folder is build/bin).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${SELVORA_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSELVORA_WERROR="${SELVORA_WERROR:-OFF}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
