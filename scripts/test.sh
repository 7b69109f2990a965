#!/usr/bin/env bash
# Installs the dependencies, builds, and runs every test twice: in build/, and
# in build-san/ built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (SKIP_SANITIZE=1 leaves that out). The real-window tests run
# against a virtual X server with SDL's dummy audio driver. Arguments go to
# CMake for both builds (CI passes -DVANTOREL_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${SKIP_DEPS:-0}" != 1 ]; then
  scripts/install-deps.sh
fi

run_tests() {
  (cd "$1" && env -u DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy SDL_STDIO_REDIRECT=0 \
    xvfb-run -a -s '-screen 0 1024x768x24 -noreset' \
    ctest --output-on-failure -j"$(nproc)")
}

BUILD_DIR=build scripts/build.sh "$@"
run_tests build

if [ "${SKIP_SANITIZE:-0}" != 1 ]; then
  BUILD_DIR=build-san scripts/build.sh -DVANTOREL_SANITIZE=ON "$@"
  # Address, undefined-behaviour and leak reports each fail their test.
  run_tests build-san
fi
