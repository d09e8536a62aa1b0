#!/usr/bin/env bash
# Sets up and builds Tovalin with its tests, then runs every test headless: the whole suite, and
# the in-process suites once more under the address and undefined-behaviour sanitizers.
# The suites get a session bus of their own, and the run fails if any process that it started is
# still there at the end, on any compiler warning, and on code that clang-format would change.
set -euo pipefail
cd "$(dirname "$0")/.."
# Every process started from here inherits this mark, which finds any that is left behind.
export TOVALIN_TEST_RUN="$$.$(date +%s%N)"

left_behind() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [ "$pid" != $$ ] && [ "$pid" != "$BASHPID" ] || continue
        if tr '\0' '\n' 2>/dev/null < "$environ" |
            grep -qxF "TOVALIN_TEST_RUN=$TOVALIN_TEST_RUN"; then
            echo "$pid: $(tr '\0' ' ' 2>/dev/null < "/proc/$pid/cmdline")"
        fi
    done
}

status=0
# In a few large units, which compile in half the time; the sanitizer build below compiles each
# file on its own, so a file that lacks an include of its own still fails.
scripts/setup.sh build -DBUILD_TESTING=ON -DTOVALIN_WERROR=ON -DCMAKE_UNITY_BUILD=ON
# The whole suite runs while the sanitizer build compiles beside it: its longest test spends most
# of its time waiting for a session's minute to run out.
(cd build && dbus-run-session -- ctest --output-on-failure --timeout 300 -j2 > ctest.log 2>&1) &
suite=$!
if nice scripts/setup.sh build-sanitize -DBUILD_TESTING=ON -DTOVALIN_WERROR=ON \
    -DTOVALIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug; then
    (cd build-sanitize && dbus-run-session -- ctest --output-on-failure --timeout 300 -j2 \
        -R '^tst_') || status=1
else
    status=1
fi
wait $suite || status=1
cat build/ctest.log
# Every C and C++ file as .clang-format has it; outside a git checkout (a copy of the tree), every
# such file in the folders that hold them.
sources() {
    git ls-files -z -- '*.c' '*.cpp' '*.h' 2>/dev/null ||
        find src tests bench packaging debian \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \) -print0
}
if ! sources | xargs -0 -r clang-format-19 --dry-run --Werror; then
    echo "the files above are not formatted as .clang-format says"
    status=1
fi

# Give what was just ended a moment to go.
for _ in $(seq 50); do
    [ -n "$(left_behind)" ] || break
    sleep 0.1
done
leftovers=$(left_behind)
if [ -n "$leftovers" ]; then
    echo "still running after the tests:"
    echo "$leftovers"
    status=1
fi
exit $status
