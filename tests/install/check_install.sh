#!/usr/bin/env bash
# Usage: check_install.sh <build dir>
set -euo pipefail
build=$1
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*"; exit 1; }
id=net.corvane.Vantor
icons=""
for size in 16 24 32 48 64 128 256; do
    icons="$icons share/icons/hicolor/${size}x${size}/apps/$id.png"
done
for f in bin/vantor share/vantor/Images/0.bmp share/vantor/Images/30.bmp \
         share/vantor/Images/Range.bmp share/vantor/Images/rbflag.bmp \
         share/vantor/Html/Images/0.jpg share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg $icons; do
    [ -e "$prefix/$f" ] || fail "$f not installed"
done
desktop="$prefix/share/applications/$id.desktop"
grep -q '^Exec=vantor$' "$desktop" || fail "desktop entry: Exec"
grep -q "^Icon=$id\$" "$desktop" || fail "desktop entry: Icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo: launchable"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate not installed (desktop-file-utils): desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli validate"
else
    echo "appstreamcli not installed (appstream): metainfo not validated"
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
