#!/usr/bin/env bash
# Shared set-up for run.sh, test.sh and the package scripts: installs the Debian packages that
# one kind of work needs (only the missing ones), then, if a configure preset is given, configures
# it and builds the given build preset (by default the preset of the same name). Safe to run again.
#   scripts/setup.sh program|package|test [<configure preset> [<build preset>]]
#     program  building and running the program (./run.sh)
#     package  that, and building the Debian package (scripts/package.sh)
#     test     all of it, and what the tests and the package check run (./test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

kind="${1:?usage: scripts/setup.sh program|package|test [configure preset [build preset]]}"
preset="${2:-}"
build_preset="${3:-$preset}"

program_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
    libxcb1-dev            # asking an X window manager for window frames
    libwayland-dev libwayland-bin qt6-base-private-dev  # a Wayland compositor's own protocols
    fonts-liberation2      # the faces that stand in for "System" and "MS Sans Serif"
    qt6-l10n-tools qt6-tools-dev  # lupdate and lrelease: the translations compiled in
    qt6-translations-l10n  # Qt's own texts (the buttons of its dialogs) in the user's language
)
package_packages=(
    dpkg-dev               # dpkg-shlibdeps: the Qt libraries the package depends on
)
test_packages=(
    libqt6test6
    xvfb xauth x11-utils dbus-daemon # screenshots and tests under a real X server
    strace                 # the privacy test traces the program's system calls
    # the desktop tests: window managers, a Wayland compositor, input, screen reader, themes
    openbox weston qt6-wayland xdotool wmctrl imagemagick python3-pyatspi at-spi2-core orca
    dbus-x11 qt6-gtk-platformtheme gnome-themes-extra
    xfwm4 sway wtype grim  # a second window manager; sway with a keyboard and screenshots
    xclip                  # the clipboard read back from the X server
    gnome-shell mutter kwin-wayland kwin-style-breeze kwin-x11  # the desktops most people run
    xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils  # monitors (xrandr), xrdb
    # the package check: validators, lintian, hardening-check, and the manual page read back
    desktop-file-utils appstream lintian devscripts man-db
)

case "$kind" in
program) packages=("${program_packages[@]}") ;;
package) packages=("${program_packages[@]}" "${package_packages[@]}") ;;
test) packages=("${program_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "scripts/setup.sh: unknown kind '$kind' (program, package or test)" >&2
    exit 2
    ;;
esac

# Callers with needs of their own name them here.
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
    # Another apt run on the machine (an unattended upgrade, a second set-up) holds the lock for a
    # while: wait for it rather than fail.
    wait_lock=(-o DPkg::Lock::Timeout=600)
    "${sudo_cmd[@]}" apt-get "${wait_lock[@]}" update -q
    "${sudo_cmd[@]}" apt-get "${wait_lock[@]}" install -y -q --no-install-recommends "${missing[@]}"
else
    echo "==> All needed Debian packages are installed"
fi

[ -n "$preset" ] || exit 0
echo "==> Configuring (preset: $preset)"
cmake --preset "$preset" >/dev/null
echo "==> Building (preset: $build_preset)"
cmake --build --preset "$build_preset"
