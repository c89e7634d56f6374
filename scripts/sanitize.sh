#!/usr/bin/env bash
# Runs the tests under the sanitizers, each build in a folder of its own:
#   asan       build-asan: address and undefined-behaviour checks over the
#              whole suite, widget tests included
#   asan-core  build-asan: the same checks, only the core and end-to-end
#              tests (only their programs are built)
#   tsan       build-tsan: thread checks, the core and end-to-end tests
# Usage: scripts/sanitize.sh [asan|asan-core] [tsan]   (asan and tsan when
# none is named). Any sanitizer report fails the test that made it, and so
# the run. The long runs labelled slow or soak are left out, and so are the
# shared-book tests labelled pg (worker processes against a server of their
# own: not yet run under the sanitizers).
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

# Builds only the test programs and the programs tests run: test_<layer>,
# test_e2e, test_soak, the translation checker, the command line (the
# settings reference is made with it) and, with "all", the widget
# tests gui_<name>, the fuzz corpus writer and its replays.
build_tests() { # folder [all]
  local pattern='test_[a-z0-9]*\|qarvoip-check-translations\|qarvoip-cli'
  [ "${2:-}" = all ] && pattern='\(test\|gui\|fuzz_replay\)_[A-Za-z0-9_]*\|qarvo-fuzz-seeds\|qarvoip-check-translations\|qarvoip-cli'
  local targets
  targets=$(cmake --build "$1" --target help | sed -n "s/^\($pattern\): .*/\1/p")
  cmake --build "$1" --target $targets
}

run_asan() { # "all" for the whole suite
  configure build-asan "-fsanitize=address,undefined -fno-sanitize-recover=all"
  local labels=(-L 'core|e2e')
  [ "${1:-}" = all ] && labels=()
  build_tests build-asan "${1:-}"
  (cd build-asan &&
    ASAN_OPTIONS="detect_leaks=1:halt_on_error=1" \
    LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    ctest --output-on-failure -j2 -LE 'slow|soak|pg' "${labels[@]}")
}

run_tsan() {
  configure build-tsan "-fsanitize=thread"
  build_tests build-tsan
  (cd build-tsan &&
    TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$suppressions/tsan.supp" \
    ctest --output-on-failure -j2 -LE 'slow|soak' -L 'core|e2e')
}

kinds=("$@")
[ ${#kinds[@]} -eq 0 ] && kinds=(asan tsan)
for kind in "${kinds[@]}"; do
  case "$kind" in
    asan) run_asan all ;;
    asan-core) run_asan ;;
    tsan) run_tsan ;;
    *) echo "error: unknown sanitizer run '$kind' (asan, asan-core or tsan)" >&2; exit 2 ;;
  esac
  echo "Sanitizer run $kind: clean."
done
