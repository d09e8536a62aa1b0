#!/usr/bin/env bash
# Sets up and builds Tovalin with its tests, then runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build -DBUILD_TESTING=ON
cd build
ctest --output-on-failure --timeout 300
