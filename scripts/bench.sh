#!/usr/bin/env bash
# Builds and runs every benchmark program and prints one performance table.
# The benchmarks that open a window run on a virtual X server, from the game
# directory as the programs do. Each program's own report goes to
# build/bench-<name>.txt; its table rows (lines starting with "| ") are
# collected here.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh > /dev/null
cd build/game
rows=""
for bench in physics_benchmark world_benchmark ai_benchmark frame_benchmark startup_benchmark; do
  program="../benchmarks/$bench"
  if [ ! -x "$program" ]; then
    continue
  fi
  env -u DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy SDL_STDIO_REDIRECT=0 \
    xvfb-run -a -s '-screen 0 1024x768x24 -noreset' "$program" > "../bench-$bench.txt"
  rows+="$(grep '^| ' "../bench-$bench.txt" || true)"$'\n'
done
echo "Measured on $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(date +%Y-%m-%d)"
echo
echo "| benchmark | median | 95th percentile | notes |"
echo "|---|---|---|---|"
printf '%s' "$rows" | grep -v '^$'
