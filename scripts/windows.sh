#!/usr/bin/env bash
# Vantor for Windows, cross-built on Debian 12 and proven under Wine.
#
#   scripts/windows.sh        makes build/windows/vantor-<version>-windows-x64.zip
#   scripts/windows.sh test   also builds the tests, runs them under Wine, and
#                             starts vantor.exe from the zip on an X server
#
# It installs what it needs, builds Qt for Windows from Debian's source the
# first time (scripts/windows-qt.sh: half an hour on two cores, kept in
# ~/.cache/vantor or $VANTOR_CACHE for every later build), the picture
# generator for this machine (the dev preset), then the windows preset.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/windows-qt.sh
mode=${1:-zip}
case $mode in zip | test) ;; *) echo "Usage: $0 [test]"; exit 2 ;; esac

# Adding apt's source lines needs root: done before the build drops it.
vantor_windows_setup
vantor_build_as_owner

vantor_windows_qt
if [ "$mode" = zip ]; then
    vantor_build dev vantor_imagegen
    vantor_build windows vantor windows_zip
    exit 0
fi
# The Linux program too: the check starts it for the size its window must have.
vantor_build dev vantor vantor_imagegen
vantor_build windows all windows_zip
ctest --preset windows -j2
bash scripts/windows-smoke.sh build/windows/vantor-*-windows-x64.zip build/dev/bin/vantor
