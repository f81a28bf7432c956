#!/usr/bin/env bash
# Renders every window into docs/screenshots (or the folder given) under a private X server,
# and the quiz and map windows once more at twice the scale into its hidpi/ folder.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
cmake --build --preset default --target screenshots
render() {
    dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1200x24" \
        env QT_QPA_PLATFORM=xcb build/default/tools/screenshots "$@"
}
render "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
QT_SCALE_FACTOR=2 render "$scratch"
mkdir -p "$out/hidpi"
cp "$scratch/quiz.png" "$scratch/map.png" "$scratch/profile-3.png" "$out/hidpi/"
echo "==> Screenshots written to $out"
