#!/usr/bin/env bash
# Installs the Debian packages the build needs, or says exactly what to run.
# Usage: scripts/deps.sh [--headless | --package]
#   --package: also what scripts/package.sh needs to build and check the .deb
set -euo pipefail

pkgs=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev gzip libsqlite3-dev)
if [[ "${1:-}" != "--headless" ]]; then
  pkgs+=(qt6-base-dev qt6-svg-dev libpulse-dev pkgconf
         qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
         libgl-dev xvfb xauth x11-utils openbox fonts-dejavu-core
         pulseaudio pulseaudio-utils dbus at-spi2-core python3 python3-pyatspi
         appstream desktop-file-utils groff-base)
fi
if [[ "${1:-}" == "--package" ]]; then
  pkgs+=(dpkg-dev lintian xdotool mmdebstrap)
fi

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Zarvel needs these packages. Install them with:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
