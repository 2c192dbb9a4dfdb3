#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts VLMR.
# Without a display it runs under a virtual one (Xvfb) and says so.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vl_install
vl_build Release build/release
program="$PWD/build/release/bin/VLMR"
# The default data directory; VLMR offers it on first start and keeps its data there.
data_dir="${XDG_DATA_HOME:-$HOME/.local/share}/velmora"
mkdir -p "$data_dir"
cd "$data_dir"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is set: starting VLMR on a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi
exec "$program" "$@"
