#!/usr/bin/env bash
# Builds the project and runs the whole test suite inside a clean minimal
# Debian root of another release: trixie (Debian 13, Qt 6.8) by default.
# The root gets only what scripts/setup.sh installs on Debian 12, and a copy
# of this checkout (without build/); the host's build is not used.
#
# With --prepare it only makes the root and installs the build tools into it,
# which is downloading and unpacking, so that CI does it while the host
# compiles; the next run without --prepare takes that root, once, instead of
# making its own.
#
# The build is the asan preset's (the address and undefined-behaviour
# sanitizers, without optimisation) when asked for, in unity groups as the
# program is built and shipped, which takes a fifth less processor time than
# every file on its own; else an unoptimised one without debug information,
# which compiles in about half the time of an optimised one and only runs the
# tests. Under the sanitizers the tests run three times slower, so the random
# sessions take a quarter of their actions (250 per seed, not 1000): still
# every selector many times over, which is what the sanitizers watch.
# Usage: scripts/test-in-root.sh [--prepare] [suite] [plain|asan]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/roots.sh
prepare_only=false
if [ "${1:-}" = --prepare ]; then
    prepare_only=true
    shift
fi
suite=${1:-trixie}
build=${2:-plain}
vantor_root_tools
# The package list the builders' set-up installs.
VANTOR_PACKAGES=()
eval "$(sed -n '/^VANTOR_PACKAGES=(/,/)/p' scripts/setup.sh)"

root=$VANTOR_ROOTS/$suite-test
ready=$VANTOR_ROOTS/$suite-test.ready
trap 'vantor_unmount_root "$root"' EXIT

prepare() {
    rm -f "$ready"
    local base=$VANTOR_ROOTS/$suite-base
    [ -d "$base" ] || vantor_make_root "$suite" "$base"
    vantor_remove_root "$root"
    cp -a "$base" "$root"
    vantor_mount_root "$root" "$suite"
    local start=$SECONDS
    vantor_in_root "$root" apt-get install -y -q --no-install-recommends "${VANTOR_PACKAGES[@]}" \
        >"$root.install.log" 2>&1 || { tail -30 "$root.install.log"; exit 1; }
    vantor_unmount_root "$root"
    touch "$ready"
    echo "$suite: build tools installed ($((SECONDS - start)) s)"
}

if $prepare_only || [ ! -e "$ready" ]; then
    prepare
fi
$prepare_only && exit 0
# The prepared root serves one run.
rm -f "$ready"
vantor_mount_root "$root" "$suite"
rm -rf "$root/src" "$root/build"
mkdir -p "$root/src" "$root/tmp/runtime"
tar --exclude=./build -cf - . | tar -xf - -C "$root/src"
chmod 700 "$root/tmp/runtime"
# The suite's compiler cache is kept beside its downloads.
mkdir -p "$VANTOR_CACHE/ccache/$suite" "$root/ccache"
mount --bind "$VANTOR_CACHE/ccache/$suite" "$root/ccache"

start=$SECONDS
if [ "$build" = asan ]; then
    configure='cmake --preset asan -B /build -DVANTOR_UNITY_BUILD=ON'
    test_env='ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 VANTOR_RANDOM_SHARE=25'
else
    configure='cmake -S /src -B /build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O0 -DNDEBUG"'
    test_env=
fi
vantor_in_root "$root" env CCACHE_DIR=/ccache sh -c "cd /src && $configure >/build.log &&
        cmake --build /build >>/build.log 2>&1" ||
    { tail -40 "$root/build.log"; echo "$suite: build failed"; exit 1; }
echo "$suite: built ($build, $((SECONDS - start)) s), $(grep -c 'warning:' "$root/build.log") compiler warnings"
grep -A3 'warning:' "$root/build.log" | head -40 || true
start=$SECONDS
code=0
# shellcheck disable=SC2086
vantor_in_root "$root" env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime $test_env \
    ctest --test-dir /build --output-on-failure -j2 || code=$?
echo "$suite: tests ran ($((SECONDS - start)) s)"
exit $code
