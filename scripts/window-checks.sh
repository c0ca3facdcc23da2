#!/usr/bin/env bash
# What the checks of the installed program (check-package.sh) and of the
# Windows zip (windows-smoke.sh) do to its window on an X server, as a player
# would. Sourced by both.

# vantor_start_xvfb <folder>: starts an X server of 1280 x 1024 on a free
# display, with its number in <folder>/display; sets DISPLAY and xvfb_pid
# (the caller kills it).
vantor_start_xvfb() {
    local folder=$1
    Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x1024x24 5>"$folder/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
    [ -s "$folder/display" ] || { echo "Xvfb did not start"; exit 1; }
    export DISPLAY=:$(cat "$folder/display")
}

# vantor_shown_vt_picture <window> <VT> <picture.png> <screenshot.png>: types
# the VT into the VT selector (its field at 32, 64), opens the Image view,
# and writes the window and the picture it shows (248 x 242 at 442, 45).
vantor_shown_vt_picture() {
    local w=$1 vt=$2 picture=$3 screenshot=$4
    xdotool mousemove --window "$w" 100 74 click 1
    sleep 0.5
    xdotool key ctrl+a
    xdotool type --delay 30 "$vt"
    sleep 0.5
    # The Image view button.
    xdotool mousemove --window "$w" 667 20 click 1
    sleep 1
    import -window "$w" "$screenshot"
    convert "$screenshot" -crop 248x242+442+45 +repage "$picture"
}

# vantor_close_and_wait <window> <pid>: asks the window to close, as a window
# manager does when the user clicks its close button, and waits up to 30 s
# (CI runs this beside a build that keeps both cores busy) for the process to
# end. Sets VANTOR_EXIT to its exit code, or to "running" when it did not
# end. (Not called in a subshell: only the shell that started it can wait.)
vantor_close_and_wait() {
    local w=$1 pid=$2
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/close-window.py" "$w"
    for _ in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    VANTOR_EXIT=running
    kill -0 "$pid" 2>/dev/null && return
    VANTOR_EXIT=0
    wait "$pid" || VANTOR_EXIT=$?
}
