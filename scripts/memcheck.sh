#!/usr/bin/env bash
# Runs every core test program of a build under Valgrind's memcheck; any error
# or leak fails the run.
set -euo pipefail
build="$1"
status=0
# Time limits in the tests stretch for the slower run.
export ORVANTA_TEST_TIME_SCALE=60
for test in $(find "$build/tests" -maxdepth 3 -type f -name '*_tests' -perm -u+x | sort); do
    echo "== $(basename "$test")"
    if ! valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
            "$test" --gtest_brief=1 >"$test.memcheck.log" 2>&1; then
        tail -n 40 "$test.memcheck.log"
        status=1
    else
        grep -E 'PASSED|FAILED' "$test.memcheck.log" | tail -n 2
    fi
done
exit $status
