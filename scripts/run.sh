#!/usr/bin/env bash
# Installs what is missing, builds and starts Selvora.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
exec "${SELVORA_BUILD_DIR:-$here/build}/bin/selvora"
