#!/usr/bin/env bash
# Installs everything the tests need, builds every target, and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
preset="${1:-default}"
scripts/setup.sh test "$preset"
echo "==> Running the tests (preset: $preset)"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
