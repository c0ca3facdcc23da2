#!/usr/bin/env bash
# Builds the Debian package build/package/vantor_<version>_<arch>.deb and
# checks it with lintian (no error, no warning).
#
# The package is made from the dev build: RelWithDebInfo is optimised as a
# release (-O2, assertions off, as Debian builds its own packages), and CPack
# strips the debug information from the binary it packs. It builds only what
# the package carries, the program and its pictures; CI packs the build it
# has just tested, so nothing is compiled again.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
vantor_install dpkg-dev file lintian
vantor_build dev vantor vantor_images
out=$PWD/build/package
rm -rf "$out"
(cd build/dev && cpack -G DEB -B "$out" >"$out.log" 2>&1) || { cat "$out.log"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/dev/CMakeCache.txt)
deb=$out/vantor_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$out"; echo "CPack made no $deb"; exit 1; }
lintian --fail-on error,warning --display-info "$deb"
echo "Package: $deb"
