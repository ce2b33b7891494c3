#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless; then, unless
# SELVORA_SANITIZERS is "0", runs them all again built with AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${SELVORA_BUILD_DIR:-$here/build}"
"$here/scripts/install-deps.sh" --tests
# The tests build with warnings as errors, so a warning never lands.
SELVORA_WERROR=ON "$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)" "$@")
if [ "${SELVORA_SANITIZERS:-1}" != "0" ]; then
  "$here/scripts/test-sanitizers.sh" "$@"
fi
