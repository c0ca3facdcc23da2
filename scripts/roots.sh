#!/usr/bin/env bash
# Clean minimal Debian roots for checking the package and running the tests on
# another Debian release. Sourced by check-package.sh and test-in-root.sh.
#
# A root is made by mmdebstrap, which installs the essential packages with apt
# in one go, in half the processor time debootstrap takes. The downloaded
# packages are kept between runs outside the checkout, one folder per release,
# so that a fresh clone (as CI's) finds them; apt checks a kept archive
# against the release's signed package lists before it installs it. A root
# itself is always made afresh and never reused.
set -euo pipefail

VANTOR_ROOTS=${VANTOR_ROOTS:-$PWD/build/roots}
VANTOR_CACHE=${VANTOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vantor}
# The mirror the host's apt uses.
VANTOR_MIRROR=${VANTOR_MIRROR:-http://deb.debian.org/debian}

vantor_root_tools() {
    local missing=()
    for p in mmdebstrap debian-archive-keyring "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    [ "$(id -u)" -eq 0 ] || { echo "Run as root: apt-get install -y ${missing[*]}"; exit 1; }
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# vantor_make_root <suite> <dir>: a minimal root of the suite in <dir>.
vantor_make_root() {
    local suite=$1 dir=$2
    [ "$(id -u)" -eq 0 ] || { echo "Making a Debian root needs root"; exit 1; }
    vantor_remove_root "$dir"
    local archives=$VANTOR_CACHE/apt/$suite
    mkdir -p "$archives/partial" "$(dirname "$dir")"
    # The kept archives are mounted where apt downloads, and the essential
    # ones are not deleted after unpacking, so that they stay kept. The
    # package lists stay in the root, so that every copy of it has them. A
    # root lives for one check: dpkg need not wait for every file to reach the
    # disk.
    mmdebstrap --variant=minbase --mode=root --skip=essential/unlink --skip=cleanup/apt/lists \
        --aptopt='APT::Install-Recommends "false"' --dpkgopt=force-unsafe-io \
        --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
        --setup-hook="mount --bind '$archives' \"\$1/var/cache/apt/archives\"" \
        --customize-hook='umount "$1/var/cache/apt/archives"' \
        "$suite" "$dir" "deb $VANTOR_MIRROR $suite main" >"$dir.log" 2>&1 ||
        { vantor_unmount_root "$dir"; tail -20 "$dir.log"; echo "mmdebstrap $suite failed"; exit 1; }
    cp /etc/resolv.conf "$dir/etc/resolv.conf"
}

# Mounts /proc, /dev and the suite's kept apt archives into a root;
# vantor_unmount_root undoes it (call it from a trap).
vantor_mount_root() {
    local dir=$1 suite=$2
    mount -t proc proc "$dir/proc"
    mount --bind /dev "$dir/dev"
    mount --bind /dev/pts "$dir/dev/pts"
    mkdir -p "$VANTOR_CACHE/apt/$suite/partial"
    mount --bind "$VANTOR_CACHE/apt/$suite" "$dir/var/cache/apt/archives"
}

vantor_unmount_root() {
    local dir=$1 m
    # Innermost first; a mount that is already gone is no error.
    for m in $(awk -v d="$(realpath -m "$dir")" '$2 == d || index($2, d "/") == 1 {print $2}' /proc/mounts | sort -r); do
        umount -l "$m" || true
    done
}

# Deletes a root, never through a mount that is still inside it.
vantor_remove_root() {
    local dir=$1
    [ -e "$dir" ] || return 0
    vantor_unmount_root "$dir"
    if awk -v d="$(realpath -m "$dir")" '$2 == d || index($2, d "/") == 1 {found = 1} END {exit !found}' /proc/mounts; then
        echo "$dir still has mounts; not deleting it"
        exit 1
    fi
    rm -rf --one-file-system "$dir"
}

vantor_in_root() {
    local dir=$1
    shift
    chroot "$dir" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}
