#!/usr/bin/env bash
# Installs the Debian packages that the build (and, with "test", the tests)
# need and that are not installed yet. Installs nothing when all are there.
set -euo pipefail

packages=(g++ make cmake pkg-config qt6-base-dev qt6-qpa-plugins qt6-wayland libsdl2-dev libpulse-dev
          libxkbcommon-x11-dev fonts-liberation2 fontconfig qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n fonts-vlgothic fonts-wqy-microhei)
if [ "${1:-}" = test ]; then
    packages+=(libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick sox
               x11-utils x11-xkb-utils xkb-data xautomation desktop-file-utils appstream sway wtype grim jq
               pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber dbus)
fi
# The fuzz targets, which the tests replay over their corpora, need clang's libFuzzer.
[ "${1:-}" != test ] || packages+=(clang-14 libclang-rt-14-dev)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
