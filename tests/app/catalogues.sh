#!/usr/bin/env bash
# The translation catalogues are complete and current: lrelease finds nothing unfinished in any
# of them, and lupdate, run over the sources as the build runs it, finds nothing new to add and
# nothing gone to remove.
#   catalogues.sh <lupdate> <lrelease> <source folder> <catalogue>...
set -euo pipefail
lupdate=$1 lrelease=$2 source=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for catalogue in "$@"; do
    name=$(basename "$catalogue")
    released=$("$lrelease" "$catalogue" -qm "$work/${name%.ts}.qm" 2>&1)
    if ! grep -q " 0 unfinished)" <<<"$released" || grep -qi "ignored\|untranslated" <<<"$released"; then
        echo "$name is not finished: $released" >&2
        status=1
    fi
    cp "$catalogue" "$work/$name"
    updated=$(cd "$source" && "$lupdate" -no-obsolete -locations none \
        -tr-function-alias QT_TRANSLATE_NOOP+=QUIZ_SHOWN engine content shell windows app \
        -ts "$work/$name" 2>&1)
    if ! grep -q "(0 new and" <<<"$updated" || grep -q "obsolete" <<<"$updated"; then
        echo "$name is behind the sources (run the update_translations target): $updated" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "every catalogue complete and current: $*"
exit $status
