#!/usr/bin/env bash
# Renders every window into docs/screenshots (or the folder given) under a private X server, in
# English and in each translation (its de/, es/ folders),
# the quiz and map windows once more at twice the scale into its hidpi/ folder, and both under a
# dark desktop theme into its dark-theme/ folder and under GTK's HighContrastInverse theme into
# its high-contrast/ folder.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
cmake --build --preset default --target screenshots
render() {
    dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1200x24" \
        env QT_QPA_PLATFORM=xcb build/default/tools/screenshots "$@"
}
render "$out"
for language in de es; do
    LANGUAGE=$language LC_ALL=${language}_${language^^}.UTF-8 render "$out/$language"
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
QT_SCALE_FACTOR=2 render "$scratch"
mkdir -p "$out/hidpi"
cp "$scratch/quiz.png" "$scratch/map.png" "$scratch/profile-3.png" "$out/hidpi/"
# The quiz and the map under a dark and a high-contrast desktop theme, framed by a real window
# manager: the desktop test of the themes keeps its pictures where it is told.
cmake --build --preset default --target quiz
QUIZ_SCREENSHOTS="$scratch" /usr/bin/python3 -W ignore tests/desktop/test_desktop.py \
    build/default/quiz Theme
mkdir -p "$out/dark-theme"
cp "$scratch/dark-quiz.png" "$out/dark-theme/quiz.png"
cp "$scratch/dark-map.png" "$out/dark-theme/map.png"
mkdir -p "$out/high-contrast"
cp "$scratch/HighContrastInverse-quiz.png" "$out/high-contrast/quiz.png"
cp "$scratch/HighContrastInverse-map.png" "$out/high-contrast/map.png"
echo "==> Screenshots written to $out"
