#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test offscreen, then the
# sanitizer build of the tests and a short fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 600
# Again as a French operator runs it: the C library's decimal separator is
# then ",", which no number of the station may follow.
echo "Tests under fr_FR.UTF-8"
ORVANTA_SOAK_HOURS=6 LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 600
# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer, then
# a few seconds of fuzzing for each reader of outside files.
bash scripts/sanitize.sh
bash scripts/fuzz.sh 5
