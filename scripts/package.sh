#!/usr/bin/env bash
# Builds the Debian package with Debian's own compiler and linker flags in a
# build folder of its own, and checks it with lintian (errors and warnings
# fail; the known findings are overridden in the package and listed in the
# README). With --install it also installs the package with apt, starts the
# game by its desktop entry's Exec line on a private X server, checks that
# the window opens and the sound module loads from the installed tree, and
# removes the package again, checking that none of its files is left.
# Usage: scripts/package.sh [--install] [build-dir]   (default build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
install=0
if [[ ${1:-} == --install ]]; then install=1; shift; fi
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
[[ $install == 1 ]] || exit 0

if [[ $(id -u) -ne 0 ]]; then echo "--install needs root (apt-get)" >&2; exit 1; fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "$deb"
mapfile -t files < <(dpkg-query -L zarvel)

# A user's PATH on Debian holds /usr/games; the desktop's launcher runs the
# Exec line with it.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/zarvel.desktop)
check=$(mktemp)
cat >"$check" <<'CHECK'
set -u
$ZARVEL_EXEC &
pid=$!
window="" module=""
for _ in $(seq 300); do
  [[ -z $window ]] && window=$(xdotool search --name "Zarvel" 2>/dev/null | head -n1)
  grep -q /usr/lib/zarvel/zarvel-sound.so "/proc/$pid/maps" 2>/dev/null && module=yes
  [[ -n $window && -n $module ]] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
echo "window: ${window:-none}; sound module from /usr/lib/zarvel: ${module:-no}"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
[[ -n $window && -n $module ]]
CHECK
home=$(mktemp -d)
status=0
ZARVEL_EXEC=$exec_line PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
  HOME=$home TMPDIR=$home xvfb-run -a bash "$check" || status=$?
rm -rf "$check" "$home"

apt-get purge -y -q zarvel
left=()
for f in "${files[@]}"; do
  [[ -e $f && ! -d $f ]] && left+=("$f")
done
for d in /usr/lib/zarvel /usr/share/doc/zarvel; do [[ -e $d ]] && left+=("$d"); done
if [[ ${#left[@]} -gt 0 ]]; then echo "left after removal: ${left[*]}" >&2; exit 1; fi
if dpkg-query -W zarvel >/dev/null 2>&1 && dpkg-query -W -f='${Status}' zarvel | grep -qv not-installed; then
  echo "zarvel is still known to dpkg" >&2; exit 1
fi
[[ $status == 0 ]] || { echo "the game did not start from its desktop entry" >&2; exit 1; }
echo "installed, started from its desktop entry, removed: nothing left"
