#!/usr/bin/env bash
# Installs the package into clean minimal Debian roots, as a player would
# (apt-get install --no-install-recommends ./vantor_….deb), and shows that it
# works there: it holds its pictures, desktop entry, AppStream data and icons,
# it pulls in a font the window is laid out for, and the installed program
# starts under Xvfb, shows a VT's picture when a VT is picked and ends with 0
# when its window is closed.
# Usage: scripts/check-package.sh <vantor_….deb> [suite...]  (bookworm trixie)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/roots.sh
source scripts/window-checks.sh
[ $# -ge 1 ] || { echo "Usage: $0 <vantor_….deb> [suite...]"; exit 2; }
deb=$(realpath "$1")
shift
suites=("$@")
[ ${#suites[@]} -gt 0 ] || suites=(bookworm trixie)
vantor_root_tools xvfb xdotool x11-utils imagemagick python3-xlib desktop-file-utils appstream

id=net.corvane.Vantor
# Picked in the window, and the installed picture it must show.
vt=Garpike
picture=usr/share/vantor/Images/12.bmp
work=$(mktemp -d)
root="" xvfb_pid="" app_pid=""
cleanup() {
    [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    [ -z "$root" ] || vantor_unmount_root "$root"
    rm -rf "$work"
}
trap cleanup EXIT
suite=""
fail() {
    echo "FAIL ($suite): $*"
    exit 1
}

# One X server for every suite; the roots reach it through its socket.
vantor_start_xvfb "$work"

required_files() {
    local f
    echo /usr/bin/vantor
    for f in $(seq 0 30); do echo "/usr/share/vantor/Images/$f.bmp"; done
    for f in $(seq 0 30); do echo "/usr/share/vantor/Html/Images/$f.jpg"; done
    for f in Range hsdflag jarflag prfflag rbflag; do echo "/usr/share/vantor/Images/$f.bmp"; done
    echo "/usr/share/applications/$id.desktop"
    echo "/usr/share/metainfo/$id.metainfo.xml"
    for f in 16 24 32 48 64 128 256; do echo "/usr/share/icons/hicolor/${f}x$f/apps/$id.png"; done
    echo "/usr/share/icons/hicolor/scalable/apps/$id.svg"
    echo /usr/share/doc/vantor/copyright
    echo /usr/share/doc/vantor/changelog.gz
    echo /usr/share/man/man1/vantor.1.gz
    # The user guide: its pages and pictures.
    (cd docs/guide && find . -name '*.md' -o -name '*.png') | sed 's|^\.|/usr/share/doc/vantor/guide|'
}

check_files() {
    vantor_in_root "$root" dpkg -L vantor | sort >"$work/listed"
    required_files | sort >"$work/required"
    local missing
    missing=$(comm -23 "$work/required" "$work/listed")
    [ -z "$missing" ] || fail "dpkg -L vantor lacks: $missing"
    local f
    while read -r f; do
        [ -f "$root$f" ] || fail "$f is listed but not installed"
    done <"$work/required"
    desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
    appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml" \
        >"$work/validate" 2>&1 || true
    if grep -Eq '^[EW]: |Validation failed.*errors' "$work/validate"; then
        cat "$work/validate"
        fail "AppStream data"
    fi
    # The window is laid out for Arial's metrics: Liberation Sans or Arimo.
    vantor_in_root "$root" fc-list : family | grep -Eqx 'Liberation Sans|Arimo' ||
        fail "no Liberation Sans or Arimo installed"
}

# Starts the installed program in the root, picks a VT, compares the shown
# picture with the installed one and closes the window.
check_program() {
    mkdir -p "$root/tmp/.X11-unix" "$root/tmp/runtime"
    chmod 700 "$root/tmp/runtime"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR=/tmp/runtime QT_QPA_PLATFORM=xcb \
        sh -c 'cd /tmp && exec vantor' >"$work/out" 2>&1 &
    app_pid=$!
    local w
    w=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" --name '^Vantor$' | head -1) ||
        { cat "$work/out"; fail "no window"; }
    # Shells tie the window to its launcher by its class.
    local class wanted
    class=$(xprop -id "$w" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
    wanted=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$id.desktop")
    [ -n "$class" ] && [ "$class" = "$wanted" ] ||
        fail "window class '$class', desktop entry StartupWMClass '$wanted'"
    vantor_shown_vt_picture "$w" "$vt" "$work/shown.png" "$work/window.png"
    local differ
    differ=$(compare -metric AE "$work/shown.png" "$root/$picture" null: 2>&1) || true
    if [ "$differ" != 0 ]; then
        cp "$work/window.png" "$VANTOR_ROOTS/$suite-window.png"
        fail "the window does not show $picture ($differ pixels differ; see $VANTOR_ROOTS/$suite-window.png)"
    fi
    vantor_close_and_wait "$w" "$app_pid"
    local code=$VANTOR_EXIT
    if [ "$code" = running ]; then
        cat "$work/out"
        fail "the program did not end within 30 s of its window being closed"
    fi
    app_pid=""
    [ "$code" -eq 0 ] || { cat "$work/out"; fail "the program ended with $code"; }
    if [ -s "$work/out" ]; then
        cat "$work/out"
        fail "the program wrote warnings"
    fi
}

for suite in "${suites[@]}"; do
    start=$SECONDS
    base=$VANTOR_ROOTS/$suite-base
    [ -d "$base" ] || vantor_make_root "$suite" "$base"
    root=$VANTOR_ROOTS/$suite-check
    vantor_remove_root "$root"
    cp -a "$base" "$root"
    vantor_mount_root "$root" "$suite"
    cp "$deb" "$root/tmp/"
    vantor_in_root "$root" apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" \
        >"$root.install.log" 2>&1 || { tail -30 "$root.install.log"; fail "apt-get install"; }
    check_files
    check_program
    vantor_remove_root "$root"
    root=""
    echo "package on $suite: installed, files, fonts, window, picture, exit: passed ($((SECONDS - start)) s)"
done
