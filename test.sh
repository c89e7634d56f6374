#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cd build
# The long fault soak runs with `ctest -L soak`; the default run has a short one.
if ! ctest --output-on-failure -j2 -LE soak "$@"; then
  echo "error: some tests failed (see above)" >&2
  exit 1
fi
echo "All tests passed."
