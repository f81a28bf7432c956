#!/usr/bin/env bash
# Builds the Debian package twice, in two folders at two times, and fails unless both come out
# bit for bit the same; checks the packaged program's hardening and that lintian finds nothing at
# all to say; validates the desktop entry and AppStream metadata, installs the package, reads its
# manual pages (English, German and Spanish), starts the installed program under a private X
# server, checks that its window appears, removes the package again and checks that the system's
# set of installed packages is what it was before.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
work=$(mktemp -d)
staging="$work/root"
remove() { DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -q quiz >/dev/null; }
# Whatever fails on the way, the package does not stay installed.
trap 'rm -rf "$work"; [ -z "${installed_here:-}" ] || remove' EXIT
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# The first build takes its date from the project, the second from the caller, as Debian's
# tools give it; the second tree's files are dated years back, as an old checkout's would be.
env -u SOURCE_DATE_EPOCH scripts/package.sh
deb=$(ls build/release/quiz_*_amd64.deb)
echo "==> Building the package again in another folder, from files of another date"
copy="$work/elsewhere/quiz"
mkdir -p "$copy"
tar --exclude=./build --exclude=./.git -cf - . | tar -C "$copy" -xf -
find "$copy" -exec touch -h -d @1000000000 {} +
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -S Timestamp) \
    "$copy/scripts/package.sh"
if ! cmp "$deb" "$copy/$deb"; then
    echo "two builds of the same sources gave two different packages:" >&2
    diff <(dpkg-deb -c "$deb"; dpkg-deb -I "$deb" md5sums) \
        <(dpkg-deb -c "$copy/$deb"; dpkg-deb -I "$copy/$deb" md5sums) >&2 || true
    exit 1
fi

mkdir "$staging"
dpkg-deb -x "$deb" "$staging"
echo "==> hardening-check"
# Debian 12's C library start files (Scrt1.o, crti.o, crtn.o) carry no control-flow marking, so
# the linker gives none to any program built here, Debian's own included; the program's own code
# is compiled with -fcf-protection all the same.
hardening-check --nocfprotection "$staging/usr/bin/quiz"

echo "==> lintian"
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb"

echo "==> Validating the desktop entry and the AppStream metadata"
desktop-file-validate "$staging/usr/share/applications/org.example.quiz.desktop"
appstreamcli validate --no-net "$staging/usr/share/metainfo/org.example.quiz.metainfo.xml"
for size in 32 64 128; do
    test -s "$staging/usr/share/icons/hicolor/${size}x${size}/apps/org.example.quiz.png"
done

installed() { dpkg-query -W -f='${Package} ${Version} ${db:Status-Abbrev}\n' | sort; }
before=$(installed)

echo "==> Installing $deb"
installed_here=1
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "./$deb" >/dev/null
status=0
files=$(dpkg-query -L quiz)
test -x /usr/bin/quiz || status=1
[ "$(/usr/bin/quiz --version)" = "quiz $(dpkg-query -W -f='${Version}' quiz)" ] || {
    echo "quiz --version does not give the package's version" >&2
    status=1
}
# -L C: the English page, whatever the caller's locale.
man -L C -P cat quiz 2>/dev/null | grep -q 'political self-assessment quiz' || {
    echo "man quiz does not show the manual page" >&2
    status=1
}
# The translated pages, looked up as man does for a German or Spanish locale (it falls back to
# the English page when a language's is missing), and read from the installed files themselves.
while read -r lang phrase; do
    page=/usr/share/man/$lang/man1/quiz.1.gz
    grep -qx "$page" <<< "$files" || {
        echo "the package does not hold $page" >&2
        status=1
    }
    man -L "$lang" -P cat quiz 2>/dev/null | grep -q "$phrase" || {
        echo "man -L $lang quiz does not show the $lang manual page" >&2
        status=1
    }
    man -P cat -l "$page" 2>/dev/null | grep -q "$phrase" || {
        echo "man -l $page does not read back" >&2
        status=1
    }
done <<'PAGES'
de zehn Fragen zur politischen
es cuestionario de diez preguntas
PAGES

echo "==> Starting the installed program"
cat > "$staging/start.sh" <<'INNER'
#!/usr/bin/env bash
# Whichever comes first: the quiz window (xdotool returns once it exists), the program's end, or
# ten seconds.
/usr/bin/quiz & pid=$!
timeout 10 xdotool search --sync --name '^Meridian Political Quiz$' >/dev/null & search=$!
found=0
wait -n -p first "$pid" "$search" || found=$?
if [ "$first" = "$pid" ]; then
    kill "$search"; wait "$search" 2>/dev/null
    echo "the program ended early" >&2
    exit 1
fi
kill "$pid"; wait "$pid" 2>/dev/null
if [ "$found" -ne 0 ]; then
    echo "no quiz window appeared" >&2
    exit 1
fi
echo "the quiz window is up"
INNER
chmod +x "$staging/start.sh"
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    "$staging/start.sh" || status=$?

echo "==> Removing the package"
remove
installed_here=
if [ "$(installed)" != "$before" ]; then
    echo "installing and removing the package changed the installed packages:" >&2
    diff <(echo "$before") <(installed) >&2 || true
    status=1
fi
while read -r path; do
    if [ -f "$path" ] || [ -L "$path" ]; then
        echo "removing the package left $path behind" >&2
        status=1
    fi
done <<< "$files"
exit "$status"
