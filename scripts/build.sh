#!/usr/bin/env bash
# Configures and builds everything into build/ (the game directory is
# build/game), or into the folder named by BUILD_DIR; arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$dir" -j"$(nproc)"
