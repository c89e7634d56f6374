#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cd build
# The default set; the long runs labelled slow go with `ctest -L slow`.
if ! ctest --output-on-failure -j2 -LE slow "$@"; then
  echo "error: some tests failed (see above)" >&2
  exit 1
fi
echo "All tests passed."
