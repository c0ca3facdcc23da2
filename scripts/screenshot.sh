#!/usr/bin/env bash
# Renders the window for the README: docs/screenshot.png (a chosen loadout
# with the range chart page open) and docs/screenshot-start.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
vantor_install
vantor_build dev
root=$PWD
cd build/dev/bin
./vantor_screenshot "$root/docs/screenshot.png" page
./vantor_screenshot "$root/docs/screenshot-start.png" start
echo "Wrote docs/screenshot.png and docs/screenshot-start.png"
