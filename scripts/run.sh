#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvanta on the demo station.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The demo has settings of its own (bank 1 holds its satellites), copied once
# so that the operator's own settings file is left alone.
settings=build/demo/Orvanta.ini
if [ ! -f "$settings" ]; then
  mkdir -p build/demo
  cp demo/Orvanta.ini "$settings"
fi
exec build/src/app/orvanta --station "$PWD/demo" --settings "$settings" "$@"
