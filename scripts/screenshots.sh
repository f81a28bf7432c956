#!/usr/bin/env bash
# Renders every window into docs/screenshots (or the folder given) under a private X server.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
cmake --build --preset default --target screenshots
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
    env QT_QPA_PLATFORM=xcb build/default/tools/screenshots "$out"
echo "==> Screenshots written to $out"
