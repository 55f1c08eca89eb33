#!/usr/bin/env bash
# Builds everything and runs every test: once normally (windows offscreen),
# once headless under AddressSanitizer and UndefinedBehaviorSanitizer, the
# fuzzing of the files the game does not control under the same sanitizers
# (a Qt build of only the program, its sound module and the fuzzing helper),
# and the tournament's own tests under ThreadSanitizer. A warning fails the
# build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build -j "$jobs"
# The desktop and sound tests start a private X server, window manager,
# accessibility bus and sound server, and must run here, not skip.
QT_QPA_PLATFORM=offscreen ZARVEL_REQUIRE_DESKTOP=1 ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARVEL_WITH_QT=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
      -DZARVEL_SANITIZE=ON -DZARVEL_BENCHMARKS=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

# Crafted pictures and sounds, and starts of the whole program on generated
# settings files, with every fault reported: about five minutes to build,
# under a minute to run.
cmake -S . -B build-asan-qt -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
      -DZARVEL_SANITIZE=ON -DZARVEL_BENCHMARKS=OFF
cmake --build build-asan-qt -j "$jobs" --target zarvel zarvel-sound files_fuzz
ZARVEL_REQUIRE_DESKTOP=1 ctest --test-dir build-asan-qt --output-on-failure -R '^fuzz\.'

# The tournament's threads under ThreadSanitizer: only its own tests, so this
# pass adds about half a minute.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVEL_WITH_QT=OFF \
      -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DZARVEL_TSAN=ON -DZARVEL_BENCHMARKS=OFF
cmake --build build-tsan -j "$jobs" --target tournament_tests zarvel-tournament
ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R '^(Tournament\.|UniformRandom\.|tournament\.cli$)'
