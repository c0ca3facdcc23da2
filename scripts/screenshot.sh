#!/usr/bin/env bash
# Renders the window for the README: docs/screenshot.png (a chosen loadout
# with the range chart page open), docs/screenshot-start.png, and
# docs/screenshot-dark.png (the same loadout on a desktop with a dark palette)
# and docs/screenshot-catalogue.png (the catalogue window for that loadout);
# and every picture of the user guide into docs/guide/images (a test checks
# that they still match what the program renders).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
vantor_install
vantor_build dev
root=$PWD
cd build/dev/bin
./vantor_screenshot "$root/docs/screenshot.png" page
./vantor_screenshot "$root/docs/screenshot-start.png" start
./vantor_screenshot "$root/docs/screenshot-dark.png" dark
./vantor_screenshot "$root/docs/screenshot-catalogue.png" catalogue
./vantor_screenshot guide "$root/docs/guide/images"
echo "Wrote docs/guide/images/*.png, docs/screenshot.png, docs/screenshot-start.png, docs/screenshot-dark.png and docs/screenshot-catalogue.png"
