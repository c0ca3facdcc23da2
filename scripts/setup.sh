#!/usr/bin/env bash
# Installs what building and testing Vantor needs on Debian 12, then
# configures and builds the given CMake preset. Sourced by run.sh, test.sh,
# package.sh and screenshot.sh.
set -euo pipefail
# The arguments of the script that sourced this one, to start it again.
VANTOR_SCRIPT_ARGS=("$@")

# The first line builds and runs the program; the tests also draw the scalable
# icon (Qt SVG), fall back to a font other than Liberation Sans (Arimo, Nimbus
# Sans, DejaVu Sans), and validate the installed desktop entry and AppStream
# data; the third line lets them check the window's look under a dark GTK
# theme, under qt6ct and with only DejaVu fonts, and the last two record
# what a screen reader receives over the accessibility bus. ccache and mold make
# rebuilds and links quick; the build works without them.
VANTOR_PACKAGES=(cmake ninja-build g++ ccache mold qt6-base-dev libgl-dev fonts-liberation2
    libqt6svg6 fonts-croscore fonts-urw-base35 fonts-dejavu-core appstream desktop-file-utils
    qt6-gtk-platformtheme qt6ct xvfb xauth fonts-dejavu-extra dbus-daemon at-spi2-core
    python3-pyatspi)

vantor_missing_packages() {
    local missing=()
    for p in "${VANTOR_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    echo "${missing[@]:-}"
}

vantor_install() {
    local missing
    missing=$(vantor_missing_packages "$@")
    if [ -n "$missing" ]; then
        if [ "$(id -u)" -eq 0 ]; then
            echo "Installing: $missing"
            export DEBIAN_FRONTEND=noninteractive
            apt-get update -qq
            # shellcheck disable=SC2086
            apt-get install -y -qq --no-install-recommends $missing
        else
            echo "Vantor needs these packages. Run:"
            echo "  sudo apt-get update && sudo apt-get install -y $missing"
            exit 1
        fi
    fi
}

# Run as root (sudo) in a clone that belongs to someone else, the script
# starts again as the clone's owner before it builds, so that no build in the
# clone belongs to root.
vantor_build_as_owner() {
    local uid user home
    uid=$(stat -c %u .)
    [ "$(id -u)" -eq 0 ] && [ "$uid" -ne 0 ] || return 0
    user=$(stat -c %U .)
    home=$(getent passwd "$uid" | cut -d: -f6)
    echo "Building as $user, who owns this clone"
    exec setpriv --reuid="$uid" --regid="$(stat -c %g .)" --init-groups \
        env HOME="${home:-/tmp}" USER="$user" LOGNAME="$user" "scripts/$(basename "$0")" "${VANTOR_SCRIPT_ARGS[@]}"
}

# vantor_build <preset> [target...]: configures the preset and builds the
# targets (everything when none is named).
vantor_build() {
    vantor_build_as_owner
    local preset=$1
    shift
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    local fresh=""
    [ -f "build/$preset/build.ninja" ] || fresh=1
    cmake --preset "$preset" >/dev/null
    # A first build's opening steps (the precompiled headers) print nothing
    # for half a minute: say what is coming.
    [ -z "$fresh" ] || echo "First build of the $preset preset: a minute or two on two cores."
    cmake --build --preset "$preset" "${targets[@]}"
}
