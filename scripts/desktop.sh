# Sourced by the scripts that run the real program as a player would: a
# private X server with the openbox window manager, and a fresh config, data
# and temporary folder, all removed on exit. Sets DISPLAY and $work; the caller
# may set $game to a process to end too.
# Usage: start_desktop TOOL...   (the tools the caller needs besides these)
start_desktop() {
  local tool
  for tool in Xvfb openbox xdpyinfo "$@"; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb openbox x11-utils xdotool)" >&2; exit 2; }
  done
  work=$(mktemp -d)
  trap 'kill "${game:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
  # The server picks a free display and writes its number once it is ready.
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
  exec 3>&-
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
  export DISPLAY=:$(head -n1 "$work/display")
  openbox >/dev/null 2>&1 & wm=$!
  sleep 1
  export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/run
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM
}
