#!/usr/bin/env bash
# Runs the whole test suite: installs what is missing, builds with warnings
# as errors and runs the tests, then builds and runs the same tests again
# with AddressSanitizer and UndefinedBehaviorSanitizer. Ends with one line
# "N passed, N failed" and a non-zero status when anything failed.
set -u
cd "$(dirname "$0")/.."

. scripts/install-packages.sh
install_missing_packages scripts/packages.txt || exit 1

passed=0
failed=0
log_dir=build/logs
mkdir -p "$log_dir"

# run_stage <preset>: configure, build and test one preset; adds the test
# counts to the totals. A stage that cannot configure or build counts as one
# failure.
run_stage() {
    local preset="$1" log="$log_dir/$1.log"
    echo "== $preset: configure and build"
    if ! cmake --preset "$preset" >"$log" 2>&1 || ! cmake --build --preset "$preset" >>"$log" 2>&1; then
        tail -n 60 "$log"
        echo "== $preset: build failed (full log: $log)"
        failed=$((failed + 1))
        return
    fi
    echo "== $preset: tests"
    ctest --preset "$preset" >>"$log" 2>&1
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        tail -n 60 "$log"
        echo "== $preset: no test summary (full log: $log)"
        failed=$((failed + 1))
        return
    fi
    local total fails
    fails=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    total=$(echo "$summary" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
    if [ "$fails" -ne 0 ]; then
        sed -n '/The following tests FAILED/,$p' "$log"
    fi
    echo "== $preset: $summary"
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

run_stage default
run_stage sanitize

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
