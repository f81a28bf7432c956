#!/usr/bin/env bash
# Privacy check of the shipped binary: through a whole scripted session (the session probe,
# loaded with LD_PRELOAD, answers questions, shows the results, visits the reading windows,
# copies text, restarts and leaves by File, Exit) the program
#   - opens no network socket and connects or sends to no address,
#   - creates, writes, renames or deletes no file outside the toolkit's own runtime directory
#     (XDG_RUNTIME_DIR, a fresh directory here) and fontconfig's cache (written only when the
#     system's font cache is out of date); device nodes such as /dev/null are not files,
#   - and ends with status 0.
# Local (AF_UNIX) sockets are listed; the offscreen platform needs none, and the only ones
# accepted are the C library's name-service cache and sockets in the runtime directory.
# The program runs under strace in a clean environment: a fresh HOME, runtime and cache
# directory, no display, no session bus.
#
# Usage: privacy.sh <quiz binary> <session probe library>
# Exit status: 0 passed, 1 failed, 77 skipped (no strace, or tracing is not permitted here).
set -uo pipefail

quiz=${1:?usage: privacy.sh <quiz binary> <session probe library>}
probe=${2:?usage: privacy.sh <quiz binary> <session probe library>}
skip=77
quiz=$(realpath "$quiz")
probe=$(realpath "$probe")

if ! command -v strace >/dev/null; then
    echo "SKIP: strace is not installed (scripts/setup.sh installs it)"
    exit $skip
fi
if ! strace -f -qq -o /dev/null true 2>/dev/null; then
    echo "SKIP: strace cannot trace processes here (ptrace is not permitted)"
    exit $skip
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
home=$tmp/home
runtime=$tmp/runtime
cache=$tmp/cache
cwd=$tmp/cwd
mkdir -p "$home" "$runtime" "$cache" "$cwd"
chmod 700 "$runtime"
trace=$tmp/trace.log
output=$tmp/output.log

# Under the address sanitizer its runtime must be the first library loaded; its leak check
# traces the process itself, which it cannot do under strace.
tracee_env=(-E "LD_PRELOAD=$probe")
asan=$(ldd "$quiz" 2>/dev/null | awk '/libasan\.so/ { print $3; exit }')
if [ -n "$asan" ]; then
    tracee_env=(-E "LD_PRELOAD=$asan:$probe" -E "ASAN_OPTIONS=detect_leaks=0")
fi

calls=socket,socketpair,connect,bind,listen,sendto,sendmsg,open,openat,openat2,creat
calls+=,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat,rmdir,link,linkat,symlink
calls+=,symlinkat,truncate
(
    cd "$cwd" &&
        env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" XDG_CACHE_HOME="$cache" \
            LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
            timeout 90 strace -f -qq -y -e trace="$calls" -o "$trace" "${tracee_env[@]}" "$quiz"
) >"$output" 2>&1
status=$?

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

grep '^session:' "$output"
if [ $status -ne 0 ]; then
    fail "the program ended with status $status"
    grep -v '^session:' "$output" | tail -20
fi
grep -qx 'session: complete' "$output" || fail "the scripted session did not run to its end"
[ "$(grep -c '^session: copied [1-9]' "$output")" -eq 2 ] ||
    fail "Edit, Copy did not put text on the clipboard twice"
# A trace that saw nothing proves nothing: the program must at least have loaded Qt.
grep -q 'libQt6Core\.so' "$trace" || fail "the trace recorded none of the program's own opens"

# Every call that may write, and every socket, with the paths and addresses it names. strace -y
# shows a directory descriptor as N</path>, so a name relative to it can be resolved; a name
# relative to AT_FDCWD is relative to $cwd.
findings=$(awk -v cwd="$cwd" -v runtime="$runtime" -v cache="$cache/fontconfig" '
    function allowed(path) {
        gsub(/\/+/, "/", path)
        return path == runtime || index(path, runtime "/") == 1 ||
               path == cache || index(path, cache "/") == 1
    }
    {
        line = $0
        sub(/^[0-9]+ +/, "", line)
        if (line ~ /^<\.\.\./) next                 # resumed calls repeat no arguments
        call = line
        sub(/\(.*/, "", call)
        args = line
        sub(/\) += .*$/, "", args)                  # the result, which may name a path too
        sub(/ <unfinished \.\.\.>$/, "", args)

        if (call == "socket" || call == "socketpair") {
            if (args ~ /^socket\(AF_UNIX/ || call == "socketpair")
                print "local  " line
            else
                print "BAD    network socket: " line
            next
        }
        if (call ~ /^(connect|bind|listen|sendto|sendmsg)$/) {
            if (args ~ /sa_family=AF_INET6?[,}]/)
                print "BAD    network address: " line
            else if (match(args, /sun_path="[^"]*"/)) {
                path = substr(args, RSTART + 10, RLENGTH - 11)
                if (allowed(path) || path ~ /^\/(var\/)?run\/nscd\/socket$/)
                    print "local  " line
                else
                    print "BAD    local socket outside the runtime directory: " line
            } else if (call == "listen" || args ~ /sa_family=AF_UNIX/)
                print "BAD    socket use: " line
            else
                print "local  " line
            next
        }
        writes = call !~ /^open/ || args ~ /O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)/
        if (!writes) next
        rest = args
        while (match(rest, /([0-9]+<[^>]*>, )?"[^"]*"/)) {
            token = substr(rest, RSTART, RLENGTH)
            rest = substr(rest, RSTART + RLENGTH)
            path = token
            sub(/^[^"]*"/, "", path)
            sub(/"$/, "", path)
            if (path !~ /^\//) {
                base = cwd
                if (match(token, /^[0-9]+<[^>]*>/))
                    base = substr(token, index(token, "<") + 1, RLENGTH - index(token, "<") - 1)
                path = base "/" path
            }
            gsub(/\/+/, "/", path)
            if (allowed(path))
                print "toolkit " path ": " line
            else if (path ~ /^\/dev\/(null|zero|u?random|tty[0-9]*|pts\/[0-9]+)$/)
                print "device " path ": " line
            else
                print "BAD    " path " written outside the runtime directory: " line
        }
    }' "$trace")

opens=$(grep -cE '(^| )open(at2?)?\(' "$trace")
echo "traced $(wc -l <"$trace") calls, $opens of them opens; findings:"
if [ -n "$findings" ]; then
    echo "$findings" | sed 's/^/  /'
else
    echo "  none: no socket, and no file created, written, renamed or deleted"
fi
if echo "$findings" | grep -q '^BAD'; then
    fail "the program reached the network or wrote files (lines marked BAD above)"
fi

if [ $failed -ne 0 ]; then
    exit 1
fi
echo "PASS: a whole session used no network and wrote no file of its own"
