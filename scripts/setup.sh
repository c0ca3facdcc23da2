#!/usr/bin/env bash
# Installs what building and testing Vantor needs on Debian 12, then
# configures and builds the given CMake preset. Sourced by run.sh and test.sh.
set -euo pipefail

# The first line builds and runs the program; the tests also draw the scalable
# icon (Qt SVG), fall back to a font other than Liberation Sans (Arimo, Nimbus
# Sans, DejaVu Sans), and validate the installed desktop entry and AppStream
# data; the last line lets them check the window's look under a dark GTK
# theme, under qt6ct and with only DejaVu fonts.
VANTOR_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation2
    libqt6svg6 fonts-croscore fonts-urw-base35 fonts-dejavu-core appstream desktop-file-utils
    qt6-gtk-platformtheme qt6ct xvfb xauth fonts-dejavu-extra)

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
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: $missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        # shellcheck disable=SC2086
        apt-get install -y -qq --no-install-recommends $missing
    else
        echo "Vantor needs these packages. Run, as root:"
        echo "  apt-get update && apt-get install -y $missing"
        exit 1
    fi
}

vantor_build() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}
