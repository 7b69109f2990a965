#!/usr/bin/env bash
# Records the level replays again from their plans: for every plan in
# tests/replays/plans (or only those named, e.g. Level03), the recorder plays
# the level through the real scene and writes tests/replays/keys/<name>.keys.
# Run after changing a level, the scene or a plan; then commit the keys.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cmake --build build -j"$(nproc)" --target replay_recorder
if [ $# -eq 0 ]; then
  set -- $(cd tests/replays/plans && ls *.plan | sed 's/\.plan$//')
fi
status=0
for name in "$@"; do
  (cd build/game && env -u DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
    xvfb-run -a -s '-screen 0 1024x768x24 -noreset' \
    ../tests/replay_recorder "$root/tests/replays/plans/$name.plan" "$root/tests/replays/keys/$name.keys") \
    || status=1
done
exit $status
