#!/usr/bin/env bash
# Fails (exit 1) when a language pack in translations/ leaves a text of the
# string table missing, unfinished or empty, or changes its conversions
# (%d, %02X, %s, %1 …), line breaks or trailing blank; names each such id.
# ctest runs the same check (LanguagePackComplete.*), so CI does too.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -d build ] || ./scripts/setup.sh
cmake --build build --target qarvoip-check-translations >/dev/null
build/tools/qarvoip-check-translations translations/Rps*.ts
