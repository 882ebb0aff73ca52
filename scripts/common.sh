# Shared by run.sh and test.sh: installs what is missing, then configures and
# builds Tessivo into build/. Source it from the project root.
set -euo pipefail

PROJECT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR="$PROJECT_ROOT/build"

# Debian 12 packages: the toolchain, Qt 6 Widgets, the test tools, a virtual
# X server with the tools that drive it, and a font with the metrics of the
# window's design font.
PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev
  xvfb xauth x11-utils xdotool xclip imagemagick openbox
  fonts-liberation2
  dpkg-dev desktop-file-utils appstream
  wmctrl weston qt6-wayland
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=()
  local package
  for package in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}"
  fi
}

# Configures build/ with the given options and builds BUILD_TARGET, or everything.
build_tessivo() {
  cmake -S "$PROJECT_ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$BUILD_DIR" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
}

# Starts Xvfb on a free display number and exports DISPLAY; stops it on exit.
start_virtual_display() {
  local number=90
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
  done
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
  export DISPLAY=":$number"
  local tries=0
  until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
}
