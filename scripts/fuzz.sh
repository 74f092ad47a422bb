#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS (60 by default),
# seeded from tests/data and the documents under content/doc; the corpus grows in build-fuzz/corpus.
# Skipped (with a note) where clang is not installed.
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ not found, fuzzing skipped"
  exit 0
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZORVEK_FUZZ=ON >/dev/null
cmake --build build-fuzz

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(rtf_round_trip ini_document ini_store codec_numbers
                                     catalogue_lists template_filter markdown)
seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds/all" "$seeds/doc" "$seeds/catalogue"
find tests/data -type f -exec cp {} "$seeds/all/" \;
cp content/doc/*.md "$seeds/doc/"
cp content/doc/*.md "$seeds/all/"
cp content/catalogue/*.txt content/forms/*.txt "$seeds/catalogue/"

# With ZORVEK_FUZZ_RUNS set, each target makes at most that many runs from a fixed seed: the
# same inputs on every machine, so a run that passed here passes in CI, and a failure there can
# be repeated here.
runs_limit=()
[ -z "${ZORVEK_FUZZ_RUNS:-}" ] || runs_limit=(-runs="$ZORVEK_FUZZ_RUNS" -seed=1)

failed=0
for target in "${targets[@]}"; do
  case $target in
    markdown) seed="$seeds/doc" ;;
    catalogue_lists | template_filter) seed="$seeds/catalogue" ;;
    *) seed="$seeds/all" ;;
  esac
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus" build-fuzz/crashes
  log=build-fuzz/$target.log
  if ./build-fuzz/fuzz/fuzz_"$target" "$corpus" "$seed" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=262144 -print_final_stats=1 ${runs_limit[@]+"${runs_limit[@]}"} \
      -artifact_prefix=build-fuzz/crashes/"$target"- >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    echo "fuzz $target: ${runs:-?} executions in ${seconds} s, no failure"
  else
    echo "fuzz $target: FAILED (see $log and build-fuzz/crashes/)"
    tail -n 30 "$log"
    failed=1
  fi
done
exit $failed
