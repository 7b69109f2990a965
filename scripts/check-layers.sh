#!/usr/bin/env bash
# Checks the layering of the sources: engine/ includes nothing of the game,
# the test bench or the diagnostic build, and platform/ includes nothing of
# those nor of the engine. Only platform/ calls the C library's random
# numbers (their range is not the one the game's formulas are written for).
# Prints every breach and exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# Includes across a layer that the design forces, as "file:included", each
# with the reason.
allowed=(
  # The engine's box penetration takes the game's physics body record (its
  # box and flags) as its operands: the record belongs to the game's physics
  # pass, and the penetration test to the engine's math.
  "engine/math/VXPenetration3D.cpp:game/level/KTPhysicsBody.h"
)

failed=0
sources='--include=*.h --include=*.cpp --include=*.inc'

# check LAYER FORBIDDEN-FOLDER...
check() {
  local layer=$1
  shift
  local file included top forbidden permitted entry
  # Lines "file:included" of every quoted or angle include in the layer.
  while IFS=: read -r file included; do
    top=${included%%/*}
    for forbidden in "$@"; do
      [ "$top" = "$forbidden" ] || continue
      permitted=0
      for entry in "${allowed[@]}"; do
        [ "$entry" = "$file:$included" ] && permitted=1
      done
      if [ "$permitted" = 0 ]; then
        echo "$file includes $included: $layer/ never includes $forbidden/"
        failed=1
      fi
    done
  done < <(grep -rE $sources '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "$layer" |
           sed -E 's/^([^:]*):[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([^">]*)[">].*/\1:\2/' | sort)
}

check engine game testbench diagnostics
check platform engine game testbench diagnostics

# Calls of rand() or srand() outside platform/; comments are left out.
calls=$(grep -rnE $sources '(^|[^A-Za-z0-9_])(std::)?s?rand[[:space:]]*\(' engine game testbench diagnostics |
        grep -vE '^[^:]*:[0-9]+:[[:space:]]*//' || true)
if [ -n "$calls" ]; then
  sed 's/$/   <- use hostRand() and hostSrand() from platform\/HostRandom.h/' <<<"$calls"
  failed=1
fi

if [ "$failed" = 0 ]; then
  echo "Layers kept: engine/ and platform/ include only their own and lower layers; only platform/ calls rand()."
fi
exit "$failed"
