# Shared by run.sh and test.sh: installs what is missing, then configures and
# builds Tessivo into build/. Source it from the project root.
set -euo pipefail

PROJECT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR="$PROJECT_ROOT/build"

# Debian 12 packages: the toolchain, Qt 6 Widgets with its X11 client library,
# the test tools, a virtual X server with the tools that drive it (and Python's
# X client library, for fast screenshots), a headless Wayland compositor with
# virtual input and its clipboard and screenshot tools, the accessibility bus
# with Debian's Python bindings for it, a colour-scheme tool for Qt (the tests'
# dark and high-contrast desktops), and a font with the metrics of the
# window's design font.
PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libxcb1-dev
  libgtest-dev libgmock-dev
  xvfb xauth x11-utils xdotool xclip imagemagick openbox
  fonts-liberation2
  dpkg-dev file desktop-file-utils appstream python3
  qt6-translations-l10n
  wmctrl qt6-wayland sway wayvnc wtype wl-clipboard grim
  dbus-daemon at-spi2-core python3-pyatspi python3-xlib qt6ct
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "Missing packages need root to install, and there is no sudo: run this as root." >&2
    return 1
  fi
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

source "$PROJECT_ROOT/scripts/xvfb.sh"

# Starts Xvfb for the rest of the script and stops it on exit.
start_virtual_display() {
  start_xvfb
  trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
}
