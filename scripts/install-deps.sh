#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages needed to build, run and test the program.
# Packages already present are left alone; nothing else on the machine changes.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools
  qt6-qpa-plugins libqt6opengl6-dev libgl-dev libxkbcommon-dev
  qt6-tools-dev qt6-l10n-tools
  fonts-dejavu-core fonts-noto-core
  xvfb xauth openbox x11-utils
  clang-format fonts-wine
  appstream desktop-file-utils
  dpkg-dev file lintian
  clang libclang-rt-dev
  libgumbo-dev
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
