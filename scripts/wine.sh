#!/usr/bin/env bash
# Runs a Windows program of the Windows build under Wine, as CTest does for
# every test (the build's CMAKE_CROSSCOMPILING_EMULATOR):
#   scripts/wine.sh <program.exe> [arguments...]
# In a Wine prefix of the build's own (VANTOR_WINEPREFIX), made by the first
# program that needs it while the others wait; with Qt's and MinGW's DLLs on
# the program's search path (VANTOR_WINE_DLL_PATH, folders separated by ":"),
# and the fonts for Qt's offscreen platform, which reads font files from one
# folder (VANTOR_WINE_FONTS), instead of the system's.
#
# Wine is 64-bit only here (Debian's wine64): it needs no 32-bit system, and
# Vantor for Windows is a 64-bit program.
set -euo pipefail

wine=${VANTOR_WINE:-/usr/lib/wine/wine64}
: "${VANTOR_WINEPREFIX:?the Wine prefix to use}"
export WINEPREFIX=$VANTOR_WINEPREFIX
# No debugging chatter; no offer to install Wine's .NET or HTML engines.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
# Wine sees the build machine's whole file system as drive Z:.
windows_path() {
    local path=$1
    printf 'Z:%s' "${path//\//\\}"
}
if [ -n "${VANTOR_WINE_DLL_PATH:-}" ]; then
    IFS=: read -ra folders <<<"$VANTOR_WINE_DLL_PATH"
    WINEPATH=
    for folder in "${folders[@]}"; do
        WINEPATH+="${WINEPATH:+;}$(windows_path "$folder")"
    done
    export WINEPATH
fi
[ -z "${VANTOR_WINE_FONTS:-}" ] || export QT_QPA_FONTDIR=$VANTOR_WINE_FONTS
# A program run here has no Windows console, so Qt would send its messages,
# QtTest's results among them, to the debugger (OutputDebugString): they go
# to the standard streams instead, as in a console window.
export QT_FORCE_STDERR_LOGGING=1
# Wine keeps the Unix QT_ variables (meant for the host's Qt) from Windows
# programs and hands on WINEQT_... as QT_... instead: every QT_ variable set
# here (the platform, the scale, the style) reaches the program so.
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_')

if [ ! -f "$WINEPREFIX/.made" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.made" ]; then
            "$wine" wineboot --init >/dev/null 2>&1
            # The programs run on Qt's offscreen platform, which still makes
            # hidden windows for its messages: Wine's null display driver
            # takes them where no X server is, as on CI.
            [ -n "${DISPLAY:-}" ] ||
                "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
            # wineboot returns before the prefix's registry is written.
            "${wine%/*}/wineserver" -w
            touch "$WINEPREFIX/.made"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
