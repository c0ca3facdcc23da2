#!/usr/bin/env bash
# Start-up time and peak memory of the program against an empty Qt Widgets
# window built with the same Qt and flags, side by side: the two probes run
# alternately, N times each, under the offscreen platform, and the medians
# and their ratios are printed.
#
#   bench/startup.sh [BIN_DIR] [N]
#
# BIN_DIR holds vantor_startup_probe and vantor_empty_window (default: the
# bench preset's build/bench/bin, else build-bench/bin); N defaults to 20.
#
# Start-up is the wall time from just before the process is started to the
# end of the first paint of its window (the probe prints the realtime clock
# then, see FirstPaint.h); the starting of `time` itself is included, the same
# for both. Peak memory is the maximum resident set size of the whole run, as
# /usr/bin/time reports it (the probe exits right after the first paint).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
default_bin="$here/../build/bench/bin"
[[ -d "$default_bin" ]] || default_bin="$here/../build-bench/bin"
bin="$(cd "${1:-$default_bin}" && pwd)"
runs="${2:-20}"
export QT_QPA_PLATFORM=offscreen

if [[ ! -x /usr/bin/time ]]; then
    echo "needs /usr/bin/time: apt-get install time" >&2
    exit 1
fi
for probe in vantor_empty_window vantor_startup_probe; do
    if [[ ! -x "$bin/$probe" ]]; then
        echo "no $bin/$probe; build the bench preset first" >&2
        exit 1
    fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# One run: appends "<start-up ms> <peak kB> <main ms>" to $work/<probe>.
run() {
    local probe="$1"
    local start out rss
    # The probes look for their pictures in the working directory first.
    cd "$bin"
    start=$(date +%s%N)
    out=$(/usr/bin/time -f 'peak_kb=%M' -o "$work/time.txt" "./$probe" 2>/dev/null)
    rss=$(sed -n 's/^peak_kb=//p' "$work/time.txt")
    awk -v s="$start" -v line="$out" -v rss="$rss" 'BEGIN {
        n = split(line, f, /[ =]/)
        for (i = 1; i < n; i += 2) v[f[i]] = f[i + 1]
        printf "%.3f %d %s\n", (v["first_paint_ns"] - s) / 1e6, rss, v["main_ms"]
    }' >>"$work/$probe"
}

# Two untimed runs first, so both start with warm file caches.
run vantor_empty_window; run vantor_startup_probe
: >"$work/vantor_empty_window"; : >"$work/vantor_startup_probe"
for ((i = 0; i < runs; i++)); do
    run vantor_empty_window
    run vantor_startup_probe
done

median() { # column of $work/<probe>
    sort -n -k"$2" "$work/$1" | awk -v c="$2" '{ a[NR] = $c } END {
        if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2 }'
}

e_ms=$(median vantor_empty_window 1); v_ms=$(median vantor_startup_probe 1)
e_kb=$(median vantor_empty_window 2); v_kb=$(median vantor_startup_probe 2)
e_main=$(median vantor_empty_window 3); v_main=$(median vantor_startup_probe 3)

echo "runs: $runs each, alternating; medians"
printf '%-22s %14s %14s %8s\n' "" "empty window" "Vantor" "ratio"
awk -v a="$e_ms" -v b="$v_ms" 'BEGIN { printf "%-22s %11.1f ms %11.1f ms %7.2fx\n", "start to first paint", a, b, b / a }'
awk -v a="$e_main" -v b="$v_main" 'BEGIN { printf "%-22s %11.1f ms %11.1f ms %7.2fx\n", "  of which in main()", a, b, b / a }'
awk -v a="$e_kb" -v b="$v_kb" 'BEGIN { printf "%-22s %11.1f MB %11.1f MB %7.2fx\n", "peak memory (RSS)", a / 1024, b / 1024, b / a }'
