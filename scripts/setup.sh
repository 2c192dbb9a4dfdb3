# Shared by run.sh and test.sh: installs the Debian packages the build and the
# tests need (only when something is missing) and configures and builds.
# Usage: source scripts/setup.sh; vl_install; vl_build <Debug|Release> <build dir> [cmake options...] [-- targets...]

VL_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libxkbcommon-dev # looked for by Qt's CMake files (the xcb platform's keymaps): found, not reported missing
  qt6-svg-dev
  libsqlite3-dev libsqlitecpp-dev libzip-dev libcurl4-openssl-dev
  libx11-dev libxtst-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth trayer x11-utils python3 python3-aiosmtpd python3-pyftpdlib poppler-utils
  dbus at-spi2-core python3-pyatspi
  fonts-symbola # emoji with outlines, which printed reports and PDF files can hold
  fonts-noto-color-emoji # the colour emoji of most desktops, which the print tests meet
)

# Qt keeps its runtime files (sockets, locks) in XDG_RUNTIME_DIR and says so on
# every start when none is set (a console or container session): such a
# session gets one of its own, private to the user (0700).
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/velmora-runtime-$(id -u)"
  # A name taken by a link or by another user is not used.
  if ! mkdir -m 700 "$XDG_RUNTIME_DIR" 2>/dev/null && { [ -L "$XDG_RUNTIME_DIR" ] || [ ! -O "$XDG_RUNTIME_DIR" ]; }; then
    XDG_RUNTIME_DIR=$(mktemp -d)
  fi
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
fi

vl_install() {
  local missing=()
  local pkg
  for pkg in "${VL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Without targets, everything (tests included) is built.
vl_build() {
  local type="$1" dir="$2"
  shift 2
  local options=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
  [ "${1:-}" = "--" ] && shift && targets=(--target "$@")
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${options[@]}"
  fi
  cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}
