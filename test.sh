#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cd build
# The default set; the long runs labelled slow or soak go with `ctest -L slow` / `ctest -L soak`.
# Three tests per core: most of a test's time is spent waiting on the
# simulator and on time-outs, and every wait allows for a loaded machine.
jobs=$(( 3 * $(nproc) ))
if ! ctest --output-on-failure -j"$jobs" -LE 'slow|soak' "$@"; then
  echo "error: some tests failed (see above)" >&2
  exit 1
fi
echo "All tests passed."
