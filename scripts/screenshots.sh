#!/usr/bin/env bash
# Takes the pictures of docs/ that come from play: the plans' shot commands
# (tests/replays/plans) write them while the recorder plays the levels, here
# the start of level 9 (docs/level-start.png) and the elevator ride of level
# 3 (docs/elevator-ride.png). The keys recorded on the way are thrown away.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cmake --build build -j4 --target replay_recorder
keys=$(mktemp -d)
trap 'rm -rf "$keys"' EXIT
status=0
for name in Level03 Level09; do
  (cd build/game && env -u DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
    xvfb-run -a -s '-screen 0 1024x768x24 -noreset' \
    ../tests/replay_recorder "$root/tests/replays/plans/$name.plan" "$keys/$name.keys" "$root/docs") \
    || status=1
done
exit $status
