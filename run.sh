#!/usr/bin/env bash
# Installs what is missing, builds the programs (Release; not the tests) and
# starts VLMR in the default data directory, where it keeps its data without
# asking. Without a display it runs under a virtual one (Xvfb), says so and
# how to end it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vl_install
vl_build Release build/release -- programs
program="$PWD/build/release/bin/VLMR"
# The default data directory (the installation directory): VLMR started there
# keeps its data there without asking.
# As VLMR reads it: XDG_DATA_HOME counts only when it is an absolute path.
data_home="${XDG_DATA_HOME:-}"
[[ "$data_home" == /* ]] || data_home="$HOME/.local/share"
data_dir="$data_home/velmora"
# Created private to the user (an existing one keeps its mode): it holds
# the user's tasks, contacts and stored passwords.
mkdir -p -m 700 "$data_dir"
cd "$data_dir"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is set: starting VLMR on a virtual display (Xvfb)."
  echo "Its windows show nowhere; press Ctrl+C here to end VLMR (it closes as at the end of a session)."
  # The virtual display runs in a session of its own, so that Ctrl+C reaches
  # VLMR alone; the display stops once VLMR has ended. Xvfb writes its
  # display number to the pipe when it accepts connections.
  coproc XVFB { exec setsid Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x1024x24 -noreset 2>/dev/null; }
  xvfb_pid=$XVFB_PID
  trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true' EXIT
  if ! read -r display_number <&"${XVFB[0]}"; then
    echo "The virtual display (Xvfb) did not start." >&2
    exit 1
  fi
  status=0
  DISPLAY=":$display_number" "$program" "$@" || status=$?
  exit "$status"
fi
exec "$program" "$@"
