#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer into build-fuzz/ and runs each
# for the given number of seconds (default 60), starting from the seed corpus
# in fuzz/corpus/<target>/. New inputs collect in build-fuzz/corpus/<target>/,
# and an input that crashes a target is saved in build-fuzz/crashes/ and
# fails the run. Further arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_FUZZ=ON -DVANTOREL_TESTS=OFF "$@" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzzers

targets=(TokenizerFuzz TextFileFuzz OBJFuzz MTLFuzz SkeletonFuzz StanceFuzz StanceSetFuzz ChoreographyFuzz
         ShaderSourceFuzz LevelListFuzz LevelScriptFuzz)
# Absolute paths: each target works inside a temporary folder of its own.
root=$PWD
mkdir -p build-fuzz/crashes
failed=0
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target"
  echo "== $target: ${seconds} s"
  if ! ASAN_OPTIONS=detect_leaks=1 build-fuzz/fuzz/"$target" -max_total_time="$seconds" -max_len=8192 \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$root/build-fuzz/crashes/$target-" \
      "$root/build-fuzz/corpus/$target" "$root/fuzz/corpus/$target" 2>"build-fuzz/$target.log"; then
    tail -n 60 "build-fuzz/$target.log"
    failed=1
  else
    grep -E '^stat::(number_of_executed_units|new_units_added)' "build-fuzz/$target.log" | tr '\n' ' '
    echo
  fi
done
if [ "$failed" != 0 ]; then
  echo "A fuzz target failed; its input is in build-fuzz/crashes/."
  exit 1
fi
echo "Every fuzz target ran ${seconds} s without a failure."
