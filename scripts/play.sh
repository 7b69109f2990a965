#!/usr/bin/env bash
# Installs the dependencies, builds, and starts Vantorel from its game directory.
# Standard output goes to build/game/stdout.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${SKIP_DEPS:-0}" != 1 ]; then
  scripts/install-deps.sh
fi
scripts/build.sh
cd build/game
if [ -n "${DISPLAY:-}" ]; then
  exec ./Vantorel
fi
echo "No DISPLAY: running on a virtual X server (nothing will be visible)."
exec env SDL_VIDEODRIVER=x11 xvfb-run -a -s '-screen 0 1024x768x24 -noreset' ./Vantorel
