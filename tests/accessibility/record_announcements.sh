#!/usr/bin/env bash
# Runs record_announcements.py in a session bus and an X server of its own.
# Exits 77, which CTest counts as skipped, where Xvfb, dbus or pyatspi are
# missing. Usage: record_announcements.sh <vantor executable>
set -u
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 1 ] || { echo "Usage: $0 <vantor executable>"; exit 2; }
vantor=$(realpath "$1")
python=/usr/bin/python3
[ -x "$python" ] || python=python3
for tool in Xvfb dbus-run-session timeout; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi (python3-pyatspi)"; exit 77; }
[ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] ||
    { echo "SKIP: no accessibility bus (at-spi2-core)"; exit 77; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x1024x24 5>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS QT_QPA_PLATFORM
timeout -k 5 60 dbus-run-session -- "$python" "$here/record_announcements.py" "$vantor"
