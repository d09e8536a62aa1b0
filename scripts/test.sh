#!/usr/bin/env bash
# Sets up and builds Tovalin with its tests, then runs every test headless: first the in-process
# suites once more under the address and undefined-behaviour sanitizers, then the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build-sanitize -DBUILD_TESTING=ON -DTOVALIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd build-sanitize && ctest --output-on-failure --timeout 300 -R '^tst_')
scripts/setup.sh build -DBUILD_TESTING=ON
cd build
ctest --output-on-failure --timeout 300
