#!/usr/bin/env bash
# Installs what is missing, builds (Debug) and runs every test under Xvfb.
# The exit status is the tests' status.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vl_install
vl_build Debug build/debug
cd build/debug
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --output-on-failure --parallel "$(nproc)" --timeout 300 "$@"
