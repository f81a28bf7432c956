#!/usr/bin/env bash
# Builds the Debian package build/release/quiz_<version>_amd64.deb: installs what building it
# needs (only the missing packages), builds the optimised program with its icons and manual
# page, and packs them. Fails rather than leave a package without the Qt libraries in Depends.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh package release package
echo "==> Packing"
rm -f build/release/quiz_*.deb
(cd build/release && cpack -G DEB >/dev/null)
deb=$(ls build/release/quiz_*_amd64.deb)
depends=$(dpkg-deb -f "$deb" Depends)
if ! grep -q 'libqt6widgets6' <<< "$depends"; then
    echo "scripts/package.sh: $deb does not depend on the Qt libraries (Depends: $depends)" >&2
    rm -f "$deb"
    exit 1
fi
echo "==> Built $deb"
