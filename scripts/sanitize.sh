#!/usr/bin/env bash
# Runs the tests under the sanitizers, each build in a folder of its own:
#   asan  build-asan: address and undefined-behaviour checks, the whole suite
#   tsan  build-tsan: thread checks, the core and end-to-end tests only
# Usage: scripts/sanitize.sh [asan] [tsan]   (both when none is named)
# Any sanitizer report fails the test that made it, and so the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/clang.sh
ensure_clang
./scripts/setup.sh --packages-only

# -O1 and line tables only: the checked builds compile about as fast as the
# plain one and their reports still name file and line.
common_flags="-O1 -gline-tables-only -fno-omit-frame-pointer"
suppressions="$PWD/scripts/sanitizer"

configure() { # folder, sanitizer flags
  cmake -S . -B "$1" -G Ninja $(launcher_option) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$CLANG_CXX" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$common_flags" \
    -DCMAKE_CXX_FLAGS="$2" -DCMAKE_EXE_LINKER_FLAGS="$2" >/dev/null
}

run_asan() {
  configure build-asan "-fsanitize=address,undefined -fno-sanitize-recover=all"
  cmake --build build-asan
  (cd build-asan &&
    ASAN_OPTIONS="detect_leaks=1:halt_on_error=1" \
    LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    ctest --output-on-failure -j2 -LE soak)
}

run_tsan() {
  configure build-tsan "-fsanitize=thread"
  local targets
  targets=$(cmake --build build-tsan --target help | sed -n 's/^\(test_[a-z0-9]*\): .*/\1/p')
  cmake --build build-tsan --target $targets
  (cd build-tsan &&
    TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$suppressions/tsan.supp" \
    ctest --output-on-failure -j2 -L 'core|e2e')
}

kinds=("$@")
[ ${#kinds[@]} -eq 0 ] && kinds=(asan tsan)
for kind in "${kinds[@]}"; do
  case "$kind" in
    asan) run_asan ;;
    tsan) run_tsan ;;
    *) echo "error: unknown sanitizer run '$kind' (asan or tsan)" >&2; exit 2 ;;
  esac
  echo "Sanitizer run $kind: clean."
done
