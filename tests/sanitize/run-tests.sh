#!/usr/bin/env bash
# Runs the test suite of a sanitizer build (VELVETARIUM_SANITIZE=ON):
# AddressSanitizer and UndefinedBehaviorSanitizer stop a test at the first
# fault, and LeakSanitizer checks the unit tests at exit.
#
# usage: tests/sanitize/run-tests.sh BUILD_DIR
set -u
build=${1:?usage: run-tests.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
jobs=${JOBS:-$(nproc)}

common="abort_on_error=0:strict_string_checks=1:check_initialization_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cd "$build" || exit 2
status=0

# Unit tests: every leak counts, except the few SDL's audio subsystem keeps
# for the life of the process (listed, with reasons, in the suppressions).
ASAN_OPTIONS="$common:detect_leaks=1" LSAN_OPTIONS="suppressions=$here/lsan-unit.supp:print_suppressions=0" \
  ctest --output-on-failure -j "$jobs" -L unit || status=1

# Everything with a display (gl, e2e) and the soak: leaks are not looked
# for. Mesa's drivers and the X libraries keep allocations until the process
# ends (the game, by design, does not destroy what lives as long as it does),
# so the leak report at exit would list their memory, not ours.
ASAN_OPTIONS="$common:detect_leaks=0" \
  ctest --output-on-failure -j "$jobs" -LE unit || status=1

exit $status
