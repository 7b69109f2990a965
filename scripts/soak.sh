#!/usr/bin/env bash
# The long soak: the level scene's soak test with the game's own data, fed
# random keys for 100,000 updates (or the number given), under the sanitizer
# build in build-san/, on a virtual X server with SDL's dummy audio driver.
# It passes when nothing crashes, the sanitizers report nothing, and the heap
# in use and resident memory at the end are within 5% of what they were a
# tenth of the way in. CI runs the same test for 10,000 updates.
set -euo pipefail
cd "$(dirname "$0")/.."
updates=${1:-100000}
shift || true
BUILD_DIR=build-san scripts/build.sh -DVANTOREL_SANITIZE=ON "$@" > /dev/null
cd build-san/game
# As in the suite: Mesa's software driver stays mapped until the leak check
# has run (the sanitizer runtime first).
preload=""
driver=$(ls /usr/lib/*/dri/swrast_dri.so /usr/lib/dri/swrast_dri.so 2>/dev/null | head -n 1 || true)
if [ -n "$driver" ]; then
  preload="$(g++ -print-file-name=libasan.so):$driver"
fi
env -u DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy SDL_STDIO_REDIRECT=0 \
  VANTOREL_SOAK_UPDATES="$updates" \
  LSAN_OPTIONS="suppressions=$PWD/../../tests/lsan.supp:print_suppressions=0" \
  xvfb-run -a -s '-screen 0 1024x768x24 -noreset' \
  env LD_PRELOAD="$preload" ../tests/game_tests --gtest_filter='LevelSceneSoak.*'
