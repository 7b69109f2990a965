#!/usr/bin/env bash
# Installs the dependencies, builds, and runs every test; the real-window ones
# run against a virtual X server with SDL's dummy audio driver.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${SKIP_DEPS:-0}" != 1 ]; then
  scripts/install-deps.sh
fi
scripts/build.sh
cd build
env -u DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy SDL_STDIO_REDIRECT=0 \
  xvfb-run -a -s '-screen 0 1024x768x24 -noreset' \
  ctest --output-on-failure -j"$(nproc)"
