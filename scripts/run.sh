#!/usr/bin/env bash
# Sets up and builds Tovalin, then starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/src/tovalin
