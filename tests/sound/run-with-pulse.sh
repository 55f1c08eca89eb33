#!/usr/bin/env bash
# Runs a test program against a private PulseAudio server whose one output
# is a null sink, so the program's sounds can be recorded from its monitor.
# Exits 77 (skipped) when PulseAudio is not installed, unless
# ZARVEL_REQUIRE_DESKTOP=1 asks for the sound tests to run (the test command
# does).
# Usage: run-with-pulse.sh PROGRAM [ARGS...]
set -u
missing=""
for tool in pulseaudio pactl parec; do command -v "$tool" >/dev/null || missing="$missing $tool"; done
if [[ -n $missing ]]; then
  if [[ ${ZARVEL_REQUIRE_DESKTOP:-0} == 1 ]]; then echo "the sound tests need:$missing (apt-get install pulseaudio pulseaudio-utils)"; exit 1; fi
  echo "skipped: no$missing, so no sound server to record from"
  exit 77
fi
work=$(mktemp -d)
export HOME=$work XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER
sink=zarvel_test
pulseaudio --daemonize=no --exit-idle-time=-1 -n --disallow-exit \
  --load=module-native-protocol-unix --load="module-null-sink sink_name=$sink" \
  --log-target=file:"$work/pulse.log" >/dev/null 2>&1 & server=$!
cleanup() { kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
if ! pactl info >/dev/null 2>&1; then echo "the sound server did not start:"; cat "$work/pulse.log"; exit 1; fi
pactl set-default-sink "$sink"
# Named outright, so programs that get a runtime folder of their own (the
# tests give each one) still find this server.
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
export ZARVEL_TEST_SINK=$sink ZARVEL_TEST_SOUND_SERVER_PID=$server
"$@"
