#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts VLMR.
# Without a display it runs under a virtual one (Xvfb) and says so.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vl_install
vl_build Release build/release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is set: starting VLMR on a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/release/bin/VLMR "$@"
fi
exec build/release/bin/VLMR "$@"
