#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz, writes the seed corpus
# from a session with the simulator, then runs every target for SECONDS (or
# until 1,000,000 executions) and prints a table of executions, crashes and
# leaks per target. Findings are kept in build-fuzz/findings/<target>/.
# Usage: fuzz/run.sh [SECONDS]   (60 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/clang.sh
ensure_clang
./scripts/setup.sh --packages-only

seconds="${1:-60}"
build=build-fuzz
cmake -S . -B "$build" -G Ninja $(launcher_option) -DQARVO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER="$CLANG_CXX" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" >/dev/null
cmake --build "$build" --target fuzzers

seeds="$build/seeds"
rm -rf "$seeds"
"$build/fuzz/qarvo-fuzz-seeds" "$seeds"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
printf '%-26s %12s %8s %7s %6s %s\n' target executions seconds crashes leaks corpus
failed=0
for fuzzer in "$build"/fuzz/fuzz_*; do
  name="${fuzzer##*/fuzz_}"
  corpus="$build/corpus/$name"
  findings="$build/findings/$name"
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings"
  log="$build/findings/$name.log"
  start=$(date +%s)
  status=0
  "$fuzzer" -max_total_time="$seconds" -runs=1000000 -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" "$corpus" "$seeds/$name" >"$log" 2>&1 || status=$?
  took=$(( $(date +%s) - start ))
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  crashes=$(find "$findings" -name 'crash-*' -o -name 'oom-*' -o -name 'timeout-*' | wc -l)
  leaks=$(find "$findings" -name 'leak-*' | wc -l)
  printf '%-26s %12s %8s %7s %6s %s\n' "$name" "${execs:-?}" "$took" "$crashes" "$leaks" "$(ls "$corpus" | wc -l)"
  if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ] || [ "$leaks" -ne 0 ]; then
    failed=1
    echo "  finding: see $log" >&2
  fi
done
exit "$failed"
