#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the demo need; skips what is present.
# Given package names, installs those instead (scripts/cross-core.sh: the cross compiler).
set -euo pipefail
packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xfonts-base fonts-dejavu-core poppler-utils
  qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n desktop-file-utils libxml2-utils dpkg-dev fakeroot appstream man-db
  at-spi2-core python3-pyatspi python3-gi dbus dbus-x11
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
