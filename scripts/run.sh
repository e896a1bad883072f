#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvanta on the demo station.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec build/src/app/orvanta --station "$PWD/demo" "$@"
