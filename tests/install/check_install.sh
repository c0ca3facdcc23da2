#!/usr/bin/env bash
# Usage: check_install.sh <build dir>
set -euo pipefail
build=$1
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*"; exit 1; }
for f in bin/vantor share/vantor/Images/0.bmp share/vantor/Images/30.bmp \
         share/vantor/Images/Range.bmp share/vantor/Images/rbflag.bmp \
         share/vantor/Html/Images/0.jpg share/applications/vantor.desktop \
         share/icons/hicolor/256x256/apps/vantor.png share/icons/hicolor/48x48/apps/vantor.png; do
    [ -e "$prefix/$f" ] || fail "$f not installed"
done
grep -q '^Exec=vantor$' "$prefix/share/applications/vantor.desktop" || fail "desktop entry"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/vantor.desktop"
fi

# Started from a folder without Images, the installed program must keep
# running (it finds its pictures under share/vantor).
cd "$work"
set +e
timeout 3 "$prefix/bin/vantor" >"$work/out.txt" 2>&1
code=$?
set -e
[ "$code" -eq 124 ] || { cat "$work/out.txt"; fail "the installed program ended with $code"; }
echo "install: 1 passed, 0 failed"
