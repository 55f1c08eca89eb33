#!/usr/bin/env bash
# Starts the game under a file size limit smaller than its carried sounds
# and pictures: the writes past the limit fail, and the window still opens.
# Usage: file_size_limit.sh ZARVEL
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/run
mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
ulimit -f 4  # 4 KiB: the settings file fits, no sound or picture does
"$1" --measure-startup | grep 'first window shown'
