#!/usr/bin/env bash
# Installs the Debian 12 packages the suite builds with, when any is missing.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools libdbus-1-dev pkgconf libgl-dev libgtest-dev libgmock-dev ${SUITE_EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
