#!/usr/bin/env bash
# Runs the test suite of a sanitizer build (VELVETARIUM_SANITIZE=ON):
# AddressSanitizer and UndefinedBehaviorSanitizer stop a test at the first
# fault, and LeakSanitizer checks the headless tests at exit.
#
# usage: tests/sanitize/run-tests.sh BUILD_DIR
set -u
build=${1:?usage: run-tests.sh BUILD_DIR}
jobs=${JOBS:-$(nproc)}

common="abort_on_error=0:strict_string_checks=1:check_initialization_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cd "$build" || exit 2
status=0

# Unit tests: every leak counts.
ASAN_OPTIONS="$common:detect_leaks=1" ctest --output-on-failure -j "$jobs" -L unit || status=1

# The headless simulation (sim, soak) builds and destroys a World for every
# dance: leaks count.
ASAN_OPTIONS="$common:detect_leaks=1" ctest --output-on-failure -j "$jobs" -L 'soak|sim' || status=1

# The rest, everything with a display (gl, e2e): leaks are not looked for.
# Mesa's drivers and the X libraries keep allocations until the process ends
# (and the game, by design, does not destroy what lives as long as it does),
# so the leak report at exit would list their memory, not ours. The
# package's own test is left out: it checks how the package is put
# together, which the sanitizers do not change.
ASAN_OPTIONS="$common:detect_leaks=0" \
  ctest --output-on-failure -j "$jobs" -LE 'unit|soak|sim' -E '^e2e\.debian-package$' || status=1

exit $status
