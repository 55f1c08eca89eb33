#!/usr/bin/env bash
# Start-up time of zarvel beside a bare Qt Widgets window, measured from
# outside as whole processes: each one is started, paints its first window
# and exits (--measure-startup), and the wall time of the process is taken.
# Runs alternate between the two programs under Xvfb with a window manager,
# with a fresh config and temporary folder; prints both medians and their
# ratio.
# Usage: scripts/measure-startup.sh [runs] [build-dir]   (default 11, build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
build=${2:-build}
zarvel=$build/shell/zarvel
minimal=$build/tools/minimal-window/zarvel-minimal-window
for p in "$zarvel" "$minimal"; do
  [[ -x $p ]] || { echo "missing $p: build it first (cmake --build $build)" >&2; exit 2; }
done
source scripts/desktop.sh
start_desktop

# One warm-up run of each, so the first measured run reads no cold disk.
"$zarvel" --measure-startup >/dev/null
"$minimal" >/dev/null

ms() {  # wall milliseconds of one run of "$@"
  local t0 t1
  t0=$(date +%s%N)
  "$@" >/dev/null
  t1=$(date +%s%N)
  echo $(( (t1 - t0) / 1000 ))
}
median() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f", m/1000}'; }

: >"$work/z"; : >"$work/m"
for _ in $(seq "$runs"); do
  ms "$zarvel" --measure-startup >>"$work/z"
  ms "$minimal" >>"$work/m"
done
z=$(median <"$work/z"); m=$(median <"$work/m")
echo "zarvel:         $z ms (median of $runs)"
echo "minimal window: $m ms (median of $runs)"
awk -v z="$z" -v m="$m" 'BEGIN {printf "ratio:          %.2f\n", z/m}'
