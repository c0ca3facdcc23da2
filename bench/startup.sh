#!/usr/bin/env bash
# Start-up time and peak memory of the program against three yardsticks built
# with the same Qt and flags, side by side: an empty window; a window with one
# label in the program's font (the floor of any window with text, which must
# load the font system); and a window of about 300 plain widgets. The probes
# run in turn, N times each, under the offscreen platform, and the medians and
# the program's ratios to each yardstick are printed.
#
#   bench/startup.sh [BIN_DIR] [N]
#
# BIN_DIR holds vantor_startup_probe, vantor_empty_window, vantor_label_window
# and vantor_plain_window (default: the bench preset's build/bench/bin, else
# build-bench/bin); N defaults to 20.
#
# Under Wine, the Windows build's probes (vantor_startup_probe.exe...) are
# started through the build's wine-run, named by VANTOR_BENCH_RUNNER:
#   VANTOR_BENCH_RUNNER=build/windows/wine-run bench/startup.sh build/windows/bin
# The Wine prefix is then made before the untimed runs, and the times include
# Wine's own start, the same for every probe.
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
runner=()
[[ -z "${VANTOR_BENCH_RUNNER:-}" ]] || runner=("$(realpath "$VANTOR_BENCH_RUNNER")")
exe=""
[[ ${#runner[@]} -eq 0 ]] || exe=.exe
probes=(vantor_empty_window vantor_label_window vantor_plain_window vantor_startup_probe)
for probe in "${probes[@]}"; do
    if [[ ! -f "$bin/$probe$exe" ]]; then
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
    out=$(/usr/bin/time -f 'peak_kb=%M' -o "$work/time.txt" "${runner[@]}" "./$probe$exe" 2>/dev/null)
    rss=$(sed -n 's/^peak_kb=//p' "$work/time.txt")
    awk -v s="$start" -v line="$out" -v rss="$rss" 'BEGIN {
        n = split(line, f, /[ =]/)
        for (i = 1; i < n; i += 2) v[f[i]] = f[i + 1]
        printf "%.3f %d %s\n", (v["first_paint_ns"] - s) / 1e6, rss, v["main_ms"]
    }' >>"$work/$probe"
}

# Two untimed runs of each first, so all start with warm file caches.
for probe in "${probes[@]}"; do run "$probe"; run "$probe"; : >"$work/$probe"; done
for ((i = 0; i < runs; i++)); do
    for probe in "${probes[@]}"; do run "$probe"; done
done

median() { # column of $work/<probe>
    sort -n -k"$2" "$work/$1" | awk -v c="$2" '{ a[NR] = $c } END {
        if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2 }'
}

echo "runs: $runs each, in turn; medians"
printf '%-22s %12s %12s %12s %12s\n' "" "empty" "one label" "300 widgets" "Vantor"
row() { # title column unit divisor
    local values=()
    for probe in "${probes[@]}"; do values+=("$(median "$probe" "$2")"); done
    awk -v t="$1" -v u="$3" -v d="$4" -v a="${values[0]}" -v b="${values[1]}" -v c="${values[2]}" \
        -v v="${values[3]}" 'BEGIN { printf "%-22s %9.1f %s %9.1f %s %9.1f %s %9.1f %s\n", t,
            a / d, u, b / d, u, c / d, u, v / d, u }'
    awk -v t="$1" -v a="${values[0]}" -v b="${values[1]}" -v c="${values[2]}" -v v="${values[3]}" \
        'BEGIN { printf "%-22s %10.2fx %10.2fx %10.2fx\n", "  Vantor to each", v / a, v / b, v / c }'
}
row "start to first paint" 1 ms 1
row "  of which in main()" 3 ms 1
row "peak memory (RSS)" 2 MB 1024
