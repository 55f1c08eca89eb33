#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVEL_TESTS=OFF >/dev/null
cmake --build build --target zarvel
exec ./build/shell/zarvel "$@"
