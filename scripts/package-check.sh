#!/usr/bin/env bash
# Builds the Debian package, validates its desktop entry and AppStream metadata, installs it,
# starts the installed program under a private X server, checks that its window appears, and
# removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test release package
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

echo "==> Building the package"
(cd build/release && cpack -G DEB >/dev/null)
deb=$(ls build/release/quiz_*_amd64.deb)

echo "==> Validating the desktop entry and the AppStream metadata"
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
dpkg-deb -x "$deb" "$staging"
desktop-file-validate "$staging/usr/share/applications/org.example.quiz.desktop"
appstreamcli validate --no-net "$staging/usr/share/metainfo/org.example.quiz.metainfo.xml"
for size in 32 64 128; do
    test -s "$staging/usr/share/icons/hicolor/${size}x${size}/apps/org.example.quiz.png"
done

echo "==> Installing $deb"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "./$deb" >/dev/null
test -x /usr/bin/quiz

echo "==> Starting the installed program"
cat > "$staging/start.sh" <<'INNER'
#!/usr/bin/env bash
/usr/bin/quiz & pid=$!
for _ in $(seq 1 50); do
    if xwininfo -root -tree | grep -q '"Meridian Political Quiz"'; then
        kill "$pid"; wait "$pid" 2>/dev/null || true
        echo "the quiz window is up"
        exit 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
    sleep 0.2
done
kill "$pid"
echo "no quiz window appeared" >&2
exit 1
INNER
chmod +x "$staging/start.sh"
status=0
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    "$staging/start.sh" || status=$?

echo "==> Removing the package"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -q quiz >/dev/null
exit "$status"
