#!/usr/bin/env bash
# Builds the project and runs the whole test suite inside a clean minimal
# Debian root of another release: trixie (Debian 13, Qt 6.8) by default.
# The root gets only what scripts/setup.sh installs on Debian 12, and a copy
# of this checkout (without build/); the host's build is not used.
# Usage: scripts/test-in-root.sh [suite]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/roots.sh
suite=${1:-trixie}
vantor_root_tools
# The package list the builders' set-up installs.
VANTOR_PACKAGES=()
eval "$(sed -n '/^VANTOR_PACKAGES=(/,/)/p' scripts/setup.sh)"

root=$VANTOR_ROOTS/$suite-test
trap 'vantor_unmount_root "$root"' EXIT
base=$VANTOR_ROOTS/$suite-base
[ -d "$base" ] || vantor_make_root "$suite" "$base"
vantor_remove_root "$root"
cp -a "$base" "$root"
vantor_mount_root "$root"

start=$SECONDS
vantor_in_root "$root" apt-get install -y -q --no-install-recommends "${VANTOR_PACKAGES[@]}" \
    >"$root.install.log" 2>&1 || { tail -30 "$root.install.log"; exit 1; }
echo "$suite: build tools installed ($((SECONDS - start)) s)"
mkdir -p "$root/src"
tar --exclude=./build -cf - . | tar -xf - -C "$root/src"
mkdir -p "$root/tmp/runtime"
chmod 700 "$root/tmp/runtime"

start=$SECONDS
# Optimised as the dev build, without its debug information (a fifth less
# compile time, and nobody debugs here).
vantor_in_root "$root" sh -c 'cmake -S /src -B /build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG" >/build.log && cmake --build /build >>/build.log 2>&1' ||
    { tail -40 "$root/build.log"; echo "$suite: build failed"; exit 1; }
echo "$suite: built ($((SECONDS - start)) s), $(grep -c 'warning:' "$root/build.log") compiler warnings"
grep -A3 'warning:' "$root/build.log" | head -40 || true
start=$SECONDS
code=0
vantor_in_root "$root" env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime \
    ctest --test-dir /build --output-on-failure -j2 || code=$?
echo "$suite: tests ran ($((SECONDS - start)) s)"
exit $code
