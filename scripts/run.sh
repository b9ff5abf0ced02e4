#!/usr/bin/env bash
# Tries the batch processor on the example project: installs what is missing,
# builds (a normal build in build-run), writes a fresh copy of the example
# project to C:\Pollent, and starts Pollent with the embedded stand-in CAD host
# working in that folder. Drive C: and the settings live under build-run/home,
# so a run touches nothing of the user's own and starts the same way each time.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"

build="$root/build-run"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUITE_SANITIZE=OFF -DSUITE_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target pollent drossel mervane conversion brindok wexmoor sodrin example-project

home="$build/home"
export XDG_DATA_HOME="$home/data"
export XDG_CONFIG_HOME="$home/config"
drive_c="$XDG_DATA_HOME/tarvo/drives/c"

# A fresh project each time: earlier archive copies, the host's profile and
# the read-only mark go with the old one.
if [ -d "$drive_c/Pollent" ]; then
  chmod -R u+w "$drive_c/Pollent"
  rm -rf "$drive_c/Pollent"
fi
rm -f "$build/bin/Erace.dwg"
"$build/bin/example-project" "$drive_c" 'C:\Pollent' >/dev/null
# git keeps no read-only mark, so the read-only example is made so here.
chmod a-w "$drive_c/Pollent/A105.dwg"

echo "Example project: C:\\Pollent = $drive_c/Pollent"
echo "Archive copies go to C:\\Pollent\\Issued; settings are in $XDG_CONFIG_HOME/tarvo"
export TARVO_STANDIN='C:\Pollent'
exec "$build/bin/pollent"
