#!/usr/bin/env bash
# Runs a test program on a private X server with a window manager, so that
# windows get real frames and placement, and, where at-spi2-core and the
# Python bindings are installed, with an accessibility bus for a screen
# reader. Exits 77 (skipped) when Xvfb or openbox is missing, unless
# ZARVEL_REQUIRE_DESKTOP=1 asks for the desktop tests to run (the test
# command does).
# Usage: run-with-wm.sh PROGRAM [ARGS...]
set -u
require=${ZARVEL_REQUIRE_DESKTOP:-0}
missing=""
for tool in Xvfb openbox xprop; do command -v "$tool" >/dev/null || missing="$missing $tool"; done
a11y=1
{ command -v dbus-run-session >/dev/null && [[ -x /usr/libexec/at-spi-bus-launcher ]] &&
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; } || a11y=0
[[ $a11y == 1 ]] || missing="$missing at-spi2-core/python3-pyatspi"
if [[ -n $missing ]]; then
  if [[ $require == 1 ]]; then echo "the desktop tests need:$missing"; exit 1; fi
  if [[ $a11y == 1 || -n ${missing/ at-spi2-core\/python3-pyatspi/} ]]; then
    echo "skipped: no$missing"; exit 77
  fi
fi

# A private session bus with the accessibility bus on it.
if [[ $a11y == 1 && -z ${ZARVEL_IN_SESSION:-} ]]; then
  export ZARVEL_IN_SESSION=1
  exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
cleanup() { kill "${wm:-}" "${xvfb:-}" "${bus:-}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
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

if [[ $a11y == 1 ]]; then
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/a11y.log" 2>&1 & bus=$!
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi
export QT_QPA_PLATFORM=xcb
"$@"
