#!/usr/bin/env bash
# Runs a test program on a private X server with a window manager, so that
# windows get real frames and placement. Exits 77 (skipped) when Xvfb or
# openbox is not installed.
# Usage: run-with-wm.sh PROGRAM [ARGS...]
set -u
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
cleanup() { kill "${wm:-}" "${xvfb:-}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

# The server picks a free display and writes its number once it is ready.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 & xvfb=$!
exec 3>&-
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")

openbox --sm-disable >"$work/wm.log" 2>&1 & wm=$!
# Ready once it has announced itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || { echo "openbox did not start"; exit 1; }

export QT_QPA_PLATFORM=xcb
"$@"
