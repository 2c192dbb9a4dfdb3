#!/usr/bin/env bash
# Builds the suite with AddressSanitizer and UndefinedBehaviorSanitizer
# (build/sanitize) and runs it under Xvfb. Leaks inside system libraries are
# suppressed (tests/sanitize/lsan.supp); anything of ours fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
vl_install
vl_build Debug build/sanitize -DVL_SANITIZE=ON
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build/sanitize
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --output-on-failure --parallel "$(nproc)" --timeout 600 "$@"
