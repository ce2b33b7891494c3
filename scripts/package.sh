#!/usr/bin/env bash
# Installs what is missing, builds, then makes and checks the Debian package
# (build/selvora_<version>_<arch>.deb) and the portable archive
# (build/selvora-<version>-portable-linux-<arch>.tar.gz).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${SELVORA_BUILD_DIR:-$here/build}"
"$here/scripts/install-deps.sh" --tests
"$here/scripts/build.sh"
"$here/scripts/check-package.sh" "$build"
