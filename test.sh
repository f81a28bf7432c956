#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
preset="${1:-default}"
scripts/setup.sh "$preset"
echo "==> Running the tests (preset: $preset)"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
