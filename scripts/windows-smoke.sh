#!/usr/bin/env bash
# Starts vantor.exe from the portable zip under Wine on an X server (Xvfb),
# as a player would after unzipping it, and checks that
# - its window opens at the size in pixels of the Linux program's window,
#   started beside it on the same display;
# - it shows the window's content: a VT typed into the VT selector shows
#   that VT's picture, pixel for pixel;
# - closing the window ends it, with exit code 0, within 30 seconds;
# - the run wrote nothing: not beside the program, not in the user's
#   profile, not in the user's part of the registry.
#
#   scripts/windows-smoke.sh <vantor-…-windows-x64.zip> <Linux vantor>
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/window-checks.sh
zip=$(realpath "$1")
linux=$(realpath "$2")
wine=${VANTOR_WINE:-/usr/lib/wine/wine64}
vt=Garpike picture=Images/12.bmp

work=$(mktemp -d)
xvfb_pid="" pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -z "${WINEPREFIX:-}" ] || "${wine%/*}/wineserver" -k 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL (Vantor for Windows under Wine): $*"
    cp "$work"/*.png "$(dirname "$zip")/" 2>/dev/null || true
    exit 1
}

vantor_start_xvfb "$work"

# The Linux window's size, as the window layer fixes it.
(cd "$(dirname "$linux")" && QT_QPA_PLATFORM=xcb exec "$linux") >"$work/linux.out" 2>&1 &
pids+=($!)
w=$(timeout 30 xdotool search --sync --onlyvisible --pid "${pids[0]}" --name '^Vantor$' | head -1) ||
    fail "the Linux program opened no window"
linux_size=$(xdotool getwindowgeometry "$w" | sed -n 's/^ *Geometry: //p')
kill "${pids[0]}"

# A fresh Wine prefix: a first run on a new machine, and a clean slate to
# find what the run writes.
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot --init >/dev/null 2>&1
"${wine%/*}/wineserver" -w
mkdir -p "$work/player"
(cd "$work/player" && unzip -q "$zip")
program=$(find "$work/player" -name vantor.exe)
snapshot() {
    (cd "$work" && find player wine/drive_c/users -printf '%p %s %T@\n' | LC_ALL=C sort)
    "$wine" reg export 'HKEY_CURRENT_USER\Software' "$work/hkcu.reg" /y >/dev/null 2>&1 || true
    iconv -f UTF-16 -t UTF-8 "$work/hkcu.reg" 2>/dev/null | grep -v '^$' | LC_ALL=C sort
}
snapshot >"$work/before"

start=$(date +%s%N)
(cd "$(dirname "$program")" && exec "$wine" "$program") >"$work/wine.out" 2>&1 &
app_pid=$!
pids+=("$app_pid")
w=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vantor$' | head -1) ||
    { cat "$work/wine.out"; fail "no window within 60 s"; }
echo "vantor.exe under Wine: window after $((($(date +%s%N) - start) / 1000000)) ms"
size=$(xdotool getwindowgeometry "$w" | sed -n 's/^ *Geometry: //p')
[ "$size" = "$linux_size" ] || fail "the window is $size pixels, on Linux $linux_size"

vantor_shown_vt_picture "$w" "$vt" "$work/shown.png" "$work/windows-window.png"
differ=$(compare -metric AE "$work/shown.png" "$(dirname "$program")/$picture" null: 2>&1) || true
[ "$differ" = 0 ] || fail "the window does not show $picture ($differ pixels differ)"

vantor_close_and_wait "$w" "$app_pid"
[ "$VANTOR_EXIT" != running ] || fail "vantor.exe did not end within 30 s of its window being closed"
[ "$VANTOR_EXIT" -eq 0 ] || { cat "$work/wine.out"; fail "vantor.exe ended with $VANTOR_EXIT"; }
"${wine%/*}/wineserver" -w

snapshot >"$work/after"
if ! diff "$work/before" "$work/after" >"$work/written"; then
    cat "$work/written"
    fail "the run wrote the files or registry keys above"
fi
echo "vantor.exe under Wine: window $size as on Linux, $vt shown, closed, nothing written: passed"
