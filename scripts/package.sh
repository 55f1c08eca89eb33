#!/usr/bin/env bash
# Builds the Debian package with Debian's own compiler and linker flags in a
# build folder of its own, and checks it with lintian (errors and warnings
# fail; the known findings are overridden in the package and listed in the
# README). Then, as root:
#   --install  installs the package here with apt, starts the game by its
#              desktop entry's Exec line on a private X server, checks that
#              the window opens and the sound module loads from the installed
#              tree, and removes the package, checking that no file is left;
#   --fresh    does the same in a new minimal Debian 12 made by mmdebstrap
#              (about three minutes, most of it downloading), which shows
#              that the package's dependencies alone bring all it needs.
# Usage: scripts/package.sh [--install | --fresh] [build-dir]   (default build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
mode=""
if [[ ${1:-} == --install || ${1:-} == --fresh ]]; then mode=$1; shift; fi
build=${1:-build-deb}
scripts/deps.sh --package

# As a Debian build would: hardening on, optimisation from the flags alone
# (build type None).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
      -DZARVEL_TESTS=OFF -DZARVEL_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="$cxxflags" \
      -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags"
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/zarvel_*.deb
(cd "$build" && cpack -G DEB)
deb=$(echo "$PWD/$build"/zarvel_*.deb)
dpkg-deb --info "$deb" | sed -n '/Depends:/p;/Recommends:/p'
lintian --fail-on error,warning "$deb"
echo "lintian: no error or warning in $(basename "$deb")"
[[ -n $mode ]] || exit 0
if [[ $(id -u) -ne 0 ]]; then echo "$mode needs root (apt-get)" >&2; exit 1; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Starts the game as the desktop's launcher would, by the entry's Exec line
# with a user's PATH (Debian's holds /usr/games), and waits for its window
# and for the sound module to be loaded from the installed tree.
cat >"$work/start.sh" <<'CHECK'
set -u
export PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
export HOME=$(mktemp -d) TMPDIR=$(mktemp -d)
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/zarvel.desktop)
$exec_line &
pid=$!
window="" module=""
for _ in $(seq 300); do
  [[ -z $window ]] && window=$(xdotool search --name "Zarvel" 2>/dev/null | head -n1)
  grep -q /usr/lib/zarvel/zarvel-sound.so "/proc/$pid/maps" 2>/dev/null && module=yes
  [[ -n $window && -n $module ]] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
echo "started by '$exec_line': window ${window:-none}, sound module from /usr/lib/zarvel: ${module:-no}"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
rm -rf "$HOME" "$TMPDIR"
[[ -n $window && -n $module ]] || { echo "the game did not start from its desktop entry" >&2; exit 1; }
CHECK

# Removes the package and finds none of its files left.
cat >"$work/remove.sh" <<'CHECK'
set -eu
mapfile -t files < <(dpkg-query -L zarvel)
DEBIAN_FRONTEND=noninteractive apt-get purge -y -q zarvel
left=()
for f in "${files[@]}"; do
  if [[ -e $f && ! -d $f ]]; then left+=("$f"); fi
done
# Its own folders go too; shared ones (/usr/games, the icon theme) stay.
for d in /usr/lib/zarvel /usr/share/doc/zarvel; do
  if [[ -e $d ]]; then left+=("$d"); fi
done
if [[ ${#left[@]} -gt 0 ]]; then echo "left after removal: ${left[*]}" >&2; exit 1; fi
if dpkg-query -W -f='${Status}' zarvel 2>/dev/null | grep -qv not-installed; then
  echo "zarvel is still known to dpkg: $(dpkg-query -W -f='${Status}' zarvel)" >&2; exit 1
fi
echo "removed: no file left"
CHECK

if [[ $mode == --install ]]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"
  status=0
  xvfb-run -a bash "$work/start.sh" || status=$?
  bash "$work/remove.sh"
  exit "$status"
fi

# A fresh Debian 12: the package alone first, then what the check needs.
cp "$deb" "$work/"
in_root='chroot "$1" env DEBIAN_FRONTEND=noninteractive'
mmdebstrap --variant=apt --mode=root --format=null \
  --customize-hook="copy-in $work/$(basename "$deb") $work/start.sh $work/remove.sh /tmp" \
  --customize-hook="$in_root apt-get install -y -q /tmp/$(basename "$deb")" \
  --customize-hook="$in_root apt-get install -y -q --no-install-recommends xvfb xauth xdotool" \
  --customize-hook="$in_root xvfb-run -a bash /tmp/start.sh" \
  --customize-hook="$in_root bash /tmp/remove.sh" \
  bookworm /dev/null
echo "installed on a fresh Debian 12, started from its desktop entry, removed"
