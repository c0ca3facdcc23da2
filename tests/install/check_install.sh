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
         share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg $icons \
         share/man/man1/vantor.1.gz share/doc/vantor/copyright share/doc/vantor/changelog.gz \
         share/doc/vantor/guide/index.md share/doc/vantor/guide/images/loadout.png; do
    [ -e "$prefix/$f" ] || fail "$f not installed"
done
# The installed guide is the one built into the program: every page and
# picture, nothing else.
(cd "$(dirname "$0")/../../docs/guide" && find . -name '*.md' -o -name '*.png' | sort) \
    >"$work/guide-source.txt"
(cd "$prefix/share/doc/vantor/guide" && find . -type f | sort) >"$work/guide-installed.txt"
diff "$work/guide-source.txt" "$work/guide-installed.txt" || fail "guide: installed files differ"
desktop="$prefix/share/applications/$id.desktop"
grep -q '^Exec=vantor$' "$desktop" || fail "desktop entry: Exec"
grep -q "^Icon=$id\$" "$desktop" || fail "desktop entry: Icon"
# Qt names the X11 window class after the application name.
grep -q '^StartupWMClass=Vantor$' "$desktop" || fail "desktop entry: StartupWMClass"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo: launchable"
# The release is the project's version, as the changelog's newest entry dates it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
newest=$(gzip -dc "$prefix/share/doc/vantor/changelog.gz" | head -1)
[[ $newest == "vantor ($version) "* ]] || fail "changelog: newest entry is not $version: $newest"
grep -Eq "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" ||
    fail "metainfo: no release $version with its date"
for tag in project_license metadata_license developer screenshot content_rating; do
    grep -q "<$tag[ >]" "$metainfo" || fail "metainfo: no <$tag>"
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
    "$prefix/share/doc/vantor/copyright" || fail "copyright: not machine-readable"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate not installed (desktop-file-utils): desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    # Pedantic, and no error or warning (notes and pedantic hints, such as the
    # capital letter in the id, are allowed).
    set +e
    appstreamcli validate --pedantic --no-net "$metainfo" >"$work/validate.txt" 2>&1
    set -e
    cat "$work/validate.txt"
    grep -Eq '^[EW]: |Validation failed.*errors' "$work/validate.txt" && fail "appstreamcli validate"
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
