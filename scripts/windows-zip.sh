#!/usr/bin/env bash
# Makes the portable zip of Vantor for Windows from the Windows build (the
# windows_zip target runs it; scripts/windows.sh zip is the command to use):
#   scripts/windows-zip.sh <build folder> <version> <Qt for Windows> <DLL folders, ":" between>
# One folder, vantor-<version>-windows-x64, holding vantor.exe, exactly the
# DLLs it needs (scripts/windows-deploy.sh), Qt's windows platform plug-in
# (the program reads only BMP and PNG pictures, which Qt reads without a
# plug-in), the pictures, the user guide, a read-me for players and the
# licences. Fails when a DLL is missing or a path of this machine is
# written in any file.
set -euo pipefail

build=$(realpath "$1") version=$2 qt=$(realpath "$3") dlls=$4
source_dir=$(realpath "$(dirname "$0")/..")
name=vantor-$version-windows-x64
stage=$build/zip/$name
zip=$build/$name.zip
strip=${VANTOR_STRIP:-x86_64-w64-mingw32-strip}

rm -rf "$build/zip" "$zip"
mkdir -p "$stage"/{platforms,Html,guide/images,licenses}
"$strip" -o "$stage/vantor.exe" "$build/bin/vantor.exe"
cp -r "$build/bin/Images" "$stage/"
cp -r "$build/bin/Html/Images" "$stage/Html/"
cp "$source_dir"/docs/guide/*.md "$stage/guide/"
cp "$source_dir"/docs/guide/images/*.png "$stage/guide/images/"
cp "$build/generated/windows/README.txt" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"

echo "DLLs of $name:"
bash "$source_dir/scripts/windows-deploy.sh" "$stage" "$dlls" \
    vantor.exe platforms/qwindows.dll

# Debian's MinGW run-time DLLs carry their debugging information (libstdc++
# is 23 MB with it, 2 MB without); Qt's were stripped as installed.
"$strip" --strip-unneeded "$stage"/lib*.dll

# The licences: Qt's, and those of MinGW's run-time, with where their source is.
cp "$qt"/licenses/* "$stage/licenses/"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/mingw-gcc-runtime-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64-copyright.txt"
qt_source=$(cat "$qt/.complete")
gcc_source=$(dpkg-query -W -f='${source:Package} ${source:Version}' gcc-mingw-w64-base)
mingw_source=$(dpkg-query -W -f='${source:Package} ${source:Version}' mingw-w64-common)
cat >"$stage/licenses/README.txt" <<EOF
Vantor for Windows uses these libraries, each linked dynamically, in the
DLLs beside vantor.exe:

- Qt $qt_source (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and
  platforms\\qwindows.dll), under the GNU Lesser General Public License
  version 3 (LGPL-3.0-only.txt, which builds on GPL-3.0-only.txt), with the
  libraries bundled in it (zlib, libpng, PCRE2, HarfBuzz, FreeType,
  double-conversion and others) under the licences that
  qtbase-copyright.txt lists file by file. It was built unchanged from
  Debian's source package qt6-base $qt_source, which is at
  https://snapshot.debian.org/package/qt6-base/$qt_source/
  You may replace these DLLs with your own build of Qt $qt_source.

- The run-time of the MinGW-w64 compiler: libstdc++-6.dll and
  libgcc_s_seh-1.dll (GCC's run-time library, under the GPL with the GCC
  Runtime Library Exception: mingw-gcc-runtime-copyright.txt; source:
  Debian's package $gcc_source) and libwinpthread-1.dll (winpthreads,
  under the licences in mingw-w64-copyright.txt; source: Debian's package
  $mingw_source), at https://snapshot.debian.org/
EOF
sed -i 's/$/\r/' "$stage/licenses/README.txt"

# No path of this machine (the clone, the build, the cache where Qt was
# built, the home folder) may be written in what ships.
for path in "$source_dir" "$build" "$(dirname "$qt")" "${HOME:-/nonexistent}"; do
    if grep -rlaF "$path" "$stage"; then
        echo "These files of $name name the build machine's $path" >&2
        exit 1
    fi
done

# The same bytes from the same build: every file dated at the release.
stamp=$(sed -n 's/^ -- .*>  //p' "$source_dir/cmake/debian/changelog" | head -1)
find "$stage" -exec touch -h -d "$stamp" {} +
(cd "$build/zip" && find "$name" -print | LC_ALL=C sort | zip -X -q -D "$zip" -@)
echo "Made $zip ($(du -k "$zip" | cut -f1) KB)"
