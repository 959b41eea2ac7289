#!/usr/bin/env bash
# Runs the whole test suite: installs what is missing, builds with warnings
# as errors and runs the tests, then builds and runs the same tests again
# with AddressSanitizer and UndefinedBehaviorSanitizer, then cross-builds
# the Windows program and its tests and runs them under Wine (all but those
# labelled linux_only). Each stage names the tests that skipped themselves
# and why. Ends with one line "N passed, N failed, N skipped" and a non-zero
# status when anything failed.
set -u
cd "$(dirname "$0")/.."

. scripts/install-packages.sh
install_missing_packages scripts/packages.txt scripts/test-packages.txt || exit 1

passed=0
failed=0
skipped=0
log_dir=build/logs
mkdir -p "$log_dir"

# stage_failed <preset> <what> <log>: shows the end of the log and counts
# the stage as one failure.
stage_failed() {
    tail -n 60 "$3"
    echo "== $1: $2 (full log: $3)"
    failed=$((failed + 1))
}

# run_stage <preset> [command before the tests...]: configure, build and
# test one preset; adds the test counts to the totals. A stage that cannot
# configure, build or prepare counts as one failure.
run_stage() {
    local preset="$1" log="$log_dir/$1.log" started=$SECONDS
    shift
    echo "== $preset: configure and build"
    if ! cmake --preset "$preset" >"$log" 2>&1 || ! cmake --build --preset "$preset" >>"$log" 2>&1; then
        stage_failed "$preset" "build failed" "$log"
        return
    fi
    if [ "$#" -gt 0 ] && ! "$@" >>"$log" 2>&1; then
        stage_failed "$preset" "$* failed" "$log"
        return
    fi
    echo "== $preset: tests"
    ctest --preset "$preset" >>"$log" 2>&1
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        stage_failed "$preset" "no test summary" "$log"
        return
    fi
    local total fails skips
    fails=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    total=$(echo "$summary" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
    # CTest counts a skipped test as not failed; it is counted apart here.
    skips=$(sed -n '/^The following tests did not run:/,/^$/p' "$log" | grep -c '(Skipped)$')
    if [ "$fails" -ne 0 ]; then
        sed -n '/The following tests FAILED/,$p' "$log"
    fi
    echo "== $preset: $summary ($((SECONDS - started)) s)"
    # Tests that skipped themselves, with the reason they gave (GoogleTest
    # writes it on the line after "Skipped").
    awk '/^\[ RUN      \]/ { name = $4 }
         /: Skipped$/ { getline reason; print "   skipped " name ": " reason }' \
        "build/$preset/Testing/Temporary/LastTest.log" 2>/dev/null
    passed=$((passed + total - fails - skips))
    failed=$((failed + fails))
    skipped=$((skipped + skips))
}

run_stage default
run_stage sanitize
# The Wine prefix is made before the tests, so that its first boot does not
# eat into a test's time-out.
run_stage windows scripts/wine-run.sh build/windows/wine --boot

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
