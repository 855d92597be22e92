#!/usr/bin/env bash
# Time from start to the first painted frame and peak memory (VmHWM) of the game under Xvfb, beside a
# minimal GTK 3 window as the floor; each the median of several runs.
#   bench/app.sh <build directory>
set -euo pipefail
build=${1:-build/release}
runs=${RUNS:-11}
game=$build/src/app/kvorinka
floor=$build/bench/bench_minimal_window
probe=$build/bench/first_frame
for f in "$game" "$floor" "$probe"; do
    [ -x "$f" ] || { echo "app.sh: $f is not built" >&2; exit 0; }
done

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 800x600x24 -br -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")" NO_AT_BRIDGE=1

# A frame counts once 5000 of the 12000 pixels of the band are white: the box insides of a full board, or
# the floor's white area.
measure() {
    for _ in $(seq "$runs"); do "$probe" 5000 300 "$@"; done | sort -n -k1,1 >"$work/runs"
    local ms kb
    ms=$(awk '{print $1}' "$work/runs" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    kb=$(awk '{print $2}' "$work/runs" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    echo "$ms $kb"
}

read -r floor_ms floor_kb < <(measure "$floor")
read -r game_ms game_kb < <(measure "$game")
printf '%-28s %12s %14s\n' "program" "first frame" "peak memory"
printf '%-28s %9.1f ms %11d kB\n' "minimal GTK 3 window" "$floor_ms" "$floor_kb"
printf '%-28s %9.1f ms %11d kB\n' "kvorinka" "$game_ms" "$game_kb"
awk -v gm="$game_ms" -v fm="$floor_ms" -v gk="$game_kb" -v fk="$floor_kb" \
    'BEGIN { printf "%-28s %11.2fx %13.2fx\n", "ratio (target 1.30)", gm / fm, gk / fk }'
