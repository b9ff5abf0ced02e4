#!/usr/bin/env bash
# Builds the suite in Release (build-pack) and packs it into one installer,
# build-pack/tarvo-setup: the installer program with every built program, the
# layer files, the project files and the help file appended. Run it, type the
# folder to install into (a path of this computer, or c:\Tarvo\ for drive C:
# under ~/.local/share/tarvo/drives/c) and press Install.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
build="$root/build-pack"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSUITE_SANITIZE=OFF -DSUITE_TESTS=OFF >/dev/null
cmake --build "$build" -j "${SUITE_JOBS:-$(nproc)}" --target suite_installer
echo "The installer: $build/tarvo-setup"
