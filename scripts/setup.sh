#!/usr/bin/env bash
# Shared set-up for run.sh and test.sh: installs the Debian packages the build needs (only the
# missing ones), then configures the given CMake preset and builds it (or the build preset given
# second, such as "package" for the release preset). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-default}"
build_preset="${2:-$preset}"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6test6
    fonts-liberation2      # the faces that stand in for "System" and "MS Sans Serif"
    xvfb xauth x11-utils dbus-daemon # screenshots and tests under a real X server
    strace                 # the privacy test traces the program's system calls
)

# Callers with needs of their own (packaging checks) name them here.
read -r -a extra <<< "${QUIZ_EXTRA_PACKAGES:-}"
packages+=("${extra[@]}")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "==> Installing missing packages: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
else
    echo "==> All needed Debian packages are installed"
fi

echo "==> Configuring (preset: $preset)"
cmake --preset "$preset" >/dev/null
echo "==> Building (preset: $build_preset)"
cmake --build --preset "$build_preset"
