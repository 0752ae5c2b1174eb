#!/usr/bin/env bash
# Installs the Debian 12 packages VALVETRACE builds, tests and runs with, when missing.
# Safe to run again: it only calls apt-get when something is not installed.
set -euo pipefail

packages=(
  build-essential cmake pkgconf
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev libnlopt-dev
  libeigen3-dev
  xvfb xauth fonts-dejavu-core fonts-liberation
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev
  nlohmann-json3-dev
  python3-ezdxf  # the workbench tests read the exported DXF back with it
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
