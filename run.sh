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
  # Only this user's programs may connect to the display: the server takes
  # every key of its (private) authority file, the programs the one entry of
  # its display number, added once the number is known.
  auth_file=$(mktemp)
  cookie=$(mcookie)
  xauth -q -f "$auth_file" add :0 . "$cookie"
  # The virtual display runs in a session of its own, so that Ctrl+C reaches
  # VLMR alone; the display stops once VLMR has ended. Xvfb writes its
  # display number to the pipe when it accepts connections.
  coproc XVFB {
    exec setsid Xvfb -displayfd 1 -auth "$auth_file" -nolisten tcp -screen 0 1280x1024x24 -noreset 2>/dev/null
  }
  xvfb_pid=$XVFB_PID
  trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; rm -f "$auth_file"' EXIT
  if ! read -r display_number <&"${XVFB[0]}"; then
    echo "The virtual display (Xvfb) did not start." >&2
    exit 1
  fi
  xauth -q -f "$auth_file" add ":$display_number" . "$cookie"
  status=0
  DISPLAY=":$display_number" XAUTHORITY="$auth_file" "$program" "$@" || status=$?
  exit "$status"
fi
exec "$program" "$@"
