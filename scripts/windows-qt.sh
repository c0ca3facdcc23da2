#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source package of qtbase,
# the same Qt version as the host's, with Debian's MinGW-w64 compiler, and
# installs it into a cache folder outside the clone. The host's Qt runs the
# build's tools (moc, rcc, uic). Sourced by windows.sh: vantor_windows_qt
# sets VANTOR_QT_WINDOWS to the installed Qt, building it the first time.
#
# Only what Vantor uses is built: Core, Gui, Widgets, Concurrent and Test,
# the windows platform plug-in and the JPEG reader (BMP and PNG are built
# into Gui), with Qt's bundled zlib, libpng, libjpeg, PCRE2, HarfBuzz,
# FreeType and double-conversion. Qt is linked dynamically, as its LGPL asks
# of a program under another licence. The build is kept under a key made of
# the source's version and these options, so that only a new machine, a new
# Qt or new options pay for it (about an hour of processor time).
set -euo pipefail

VANTOR_CACHE=${VANTOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vantor}

# What the Windows build needs of Debian besides what the Linux build does:
# MinGW-w64 with posix threads, Debian's source tools for Qt, Wine, zip, and
# lld, which links Windows programs in a fraction of GNU ld's time; the rest
# checks the program's window under Wine.
VANTOR_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev dpkg-dev wine64 zip lld
    xvfb xdotool x11-utils imagemagick python3-xlib)

# Installs them (with setup.sh's vantor_install) and, as root, gives apt the
# source lines Qt's source comes from where it has none.
vantor_windows_setup() {
    vantor_install "${VANTOR_WINDOWS_PACKAGES[@]}"
    if [ "$(id -u)" -eq 0 ] && ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        vantor_add_source_lines
    fi
}

# Debian's source leaves out Qt's bundled Wintab header, so tablet events are
# off (Vantor reads no tablet); with OpenGL off, 6.4's windows plug-in still
# compiles its dynamic-OpenGL path unless that is off too.
VANTOR_QT_WINDOWS_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_jpeg=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_pkg_config=OFF
)

vantor_windows_qt() {
    local version key prefix work map
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    work=$VANTOR_CACHE/qt-windows/work
    # The DLLs name their sources (in a few messages) as qtbase/..., not by
    # where this machine built them.
    map="-ffile-prefix-map=$work/src=qtbase -ffile-prefix-map=$work/build=qtbase"
    key=$(printf '%s\n' "$version" "${VANTOR_QT_WINDOWS_OPTIONS[@]}" "$map" \
        "$(cat "$PWD/cmake/windows-x64.cmake")" | sha256sum | cut -c1-12)
    prefix=$VANTOR_CACHE/qt-windows/${version%%+*}-$key
    export VANTOR_QT_WINDOWS=$prefix
    if [ -f "$prefix/.complete" ]; then
        return 0
    fi
    echo "Building Qt $version for Windows once into $prefix"
    echo "(about an hour of processor time; later builds reuse it)"
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    vantor_qt_windows_source "$version" "$work"
    local start=$SECONDS
    cmake -G Ninja -S "$work/src" -B "$work/build" \
        -DCMAKE_C_FLAGS="$map" -DCMAKE_CXX_FLAGS="$map" \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/windows-x64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${VANTOR_QT_WINDOWS_OPTIONS[@]}" >"$work/configure.log" 2>&1 ||
        { tail -40 "$work/configure.log"; echo "Configuring Qt for Windows failed"; exit 1; }
    echo "Configured in $((SECONDS - start)) s; building"
    # Ninja's progress, one line every 50 steps, so a long build shows it is working.
    cmake --build "$work/build" 2>&1 | tee "$work/build.log" | vantor_progress "$start"
    [ "${PIPESTATUS[0]}" -eq 0 ] || { tail -40 "$work/build.log"; echo "Building Qt for Windows failed"; exit 1; }
    cmake --install "$work/build" --strip >/dev/null
    # What the zip must carry of Qt's licences: the LGPL (with the GPL it
    # builds on) and Debian's record of every file's copyright and licence.
    mkdir -p "$prefix/licenses"
    cp "$work"/src/LICENSES/{LGPL-3.0-only,GPL-3.0-only,GPL-2.0-only}.txt "$prefix/licenses/"
    cp "$work/src/debian/copyright" "$prefix/licenses/qtbase-copyright.txt"
    echo "$version" >"$prefix/.complete"
    rm -rf "$work"
    echo "Qt for Windows built in $((SECONDS - start)) s"
}

vantor_progress() {
    local start=$1 line n total
    while IFS= read -r line; do
        case $line in
        \[*/*\]*)
            n=${line%%/*} total=${line#*/}
            n=${n#[} total=${total%%]*}
            if ((n % 50 == 0 || n == total)); then
                echo "  Qt for Windows: step $n of $total ($((SECONDS - start)) s)"
            fi
            ;;
        *FAILED*) echo "$line" ;;
        esac
    done
}

# vantor_qt_windows_source <version> <dir>: Debian's source of qtbase at the
# host's version, unpacked with Debian's patches into <dir>/src. Where apt
# knows no source packages, the same archive's deb-src lines are added in a
# file of their own.
vantor_qt_windows_source() {
    local version=$1 dir=$2
    if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
        vantor_add_source_lines
    fi
    (cd "$dir" && apt-get source -qq --download-only "qt6-base=$version" >/dev/null 2>&1) ||
        { echo "apt-get source qt6-base=$version failed"; exit 1; }
    dpkg-source --no-check -x "$dir"/qt6-base_*.dsc "$dir/src" >/dev/null 2>&1
}

vantor_add_source_lines() {
    local list=/etc/apt/sources.list.d/vantor-deb-src.sources
    if [ "$(id -u)" -ne 0 ]; then
        echo "apt has no source packages. As root, add the deb-src lines of your archive, e.g."
        echo "  sudo sed 's/^Types: deb\$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >$list"
        echo "  sudo apt-get update"
        exit 1
    fi
    # The host's own archive lines (deb822 or one-line), as source lines.
    {
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] && [ "$f" != "$list" ] && grep -q 'debian' "$f" && sed 's/^Types: deb$/Types: deb-src/' "$f" && echo
        done
        if [ -f /etc/apt/sources.list ]; then
            sed -n "s/^deb \(\[[^]]*\] \)\?\([^ ]*debian[^ ]* .*\)$/\2/p" /etc/apt/sources.list | while read -r uri suite comps; do
                printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n\n' "$uri" "$suite" "$comps"
            done
        fi
    } >"$list"
    echo "Added the archive's source lines in $list"
    apt-get update -qq
}
