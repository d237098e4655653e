#!/usr/bin/env bash
# Installs the Debian packages that the build, the program and the tests need.
# Does nothing when they are all there, so it is safe to run before every build.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-webengine-dev libgl-dev qt6-qpa-plugins libxcb1-dev
  qt6-tools-dev qt6-documentation-tools libqt6sql6-sqlite
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xclip xdotool python3-xlib openbox x11-xserver-utils
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
  fonts-dejavu-core fonts-liberation2
  shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl
  libssl-dev openssl
  libenchant-2-dev hunspell-en-us
  dpkg-dev appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}" >&2
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
