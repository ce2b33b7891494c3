#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${SELVORA_BUILD_DIR:-$here/build}"
"$here/scripts/install-deps.sh"
# The tests build with warnings as errors, so a warning never lands.
SELVORA_WERROR=ON "$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
