#!/usr/bin/env bash
# Installs the Debian packages Quorrel needs to build, test and run.
# Runs apt-get as root, through sudo otherwise; does nothing when all are there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libpng-dev zlib1g-dev libfreetype-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  pasmo libz80ex-dev libspectrum-dev
  fuse-emulator-sdl opense-basic
  console-setup-linux
  xvfb xauth xdotool
  dpkg-dev file desktop-file-utils shared-mime-info
  imagemagick python3
  xfonts-base xfonts-75dpi pcf2bdf xfonts-utils fontforge python3-fontforge
  fonts-dejavu-core fonts-terminus-otb xfonts-terminus
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
