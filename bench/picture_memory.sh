#!/usr/bin/env bash
# Peak resident memory of 700 VT choices, first with the shipped pictures, then
# with every VT picture replaced by one of 990 x 968 pixels (the largest the
# program accepts) in an Images folder of its own. Each run is a process of
# its own; the large pictures are written by another one first.
#
#   bench/picture_memory.sh [BIN_DIR] [CHOICES]
#
# BIN_DIR holds vantor_picture_memory (default: the bench preset's
# build/bench/bin); CHOICES defaults to 700.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bin="$(cd "${1:-$here/../build/bench/bin}" && pwd)"
choices="${2:-700}"
probe="$bin/vantor_picture_memory"
if [[ ! -x "$probe" ]]; then
    echo "no $probe; build the bench preset first" >&2
    exit 1
fi
export QT_QPA_PLATFORM=offscreen
large="$(mktemp -d)"
trap 'rm -rf "$large"' EXIT
"$probe" make "$large"
"$probe" run "" "$choices"
"$probe" run "$large" "$choices"
