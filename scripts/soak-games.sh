#!/usr/bin/env bash
# Plays all-computer games in the real program, through the new game dialog
# and the winner window, driven by keys under Xvfb with
# a window manager, and prints the program's resident memory after each
# game. Memory should level off after the first few games.
# Usage: scripts/soak-games.sh [games] [build-dir]   (default 200, build)
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-200}
build=${2:-build}
zarvel=$build/shell/zarvel
[[ -x $zarvel ]] || { echo "missing $zarvel: build it first" >&2; exit 2; }
source scripts/desktop.sh
start_desktop xdotool

printf '[Info]\nComputerFast=2\n' >"$XDG_CONFIG_HOME/OxlZarvel2.ini"
"$zarvel" & game=$!

# Waits until a visible window of that exact title exists; prints its id.
wait_window() {
  local id
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    kill -0 "$game" 2>/dev/null || { echo "the game ended" >&2; exit 1; }
    sleep 0.05
  done
  echo "no window '$1'" >&2; exit 1
}
rss() { awk '/^VmRSS/ {print $2}' "/proc/$game/status"; }

main=$(wait_window ' Quarnaby Zarvel 2.0')
for n in $(seq "$games"); do
  xdotool windowactivate --sync "$main" key F2
  dialog=$(wait_window ' Start New Game')
  if [[ $n -eq 1 ]]; then
    # Seat 1 is the computer already; make seat 0 one too.
    xdotool windowactivate --sync "$dialog" key Tab space
  fi
  xdotool windowactivate --sync "$dialog" key Return
  winner=$(wait_window ' Congratulations !!!')
  sleep 0.6                                          # the name, then the sound
  xdotool windowactivate --sync "$winner" key Return
  while xdotool search --onlyvisible --name '^ Congratulations !!!$' >/dev/null 2>&1; do sleep 0.05; done
  echo "game $n: $(rss) kB"
done
