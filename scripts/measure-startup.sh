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
for tool in Xvfb openbox; do
  command -v $tool >/dev/null || { echo "needs $tool (apt-get install xvfb openbox x11-utils)" >&2; exit 2; }
done

work=$(mktemp -d)
cleanup() { kill "${wm:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wm=$!
sleep 1

export XDG_CONFIG_HOME=$work/config TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

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
