#!/usr/bin/env bash
# Starts a program of the suite on the example project:
#
#   ./scripts/run.sh [program] [--keep]
#
# The program is named as its folder is (pollent, drossel, mervane,
# conversion, ...); pollent when none is named. Installs what is missing,
# builds the program (a normal build in build-run), writes a fresh copy of the
# example project to C:\Pollent, and starts the program with the embedded
# stand-in CAD host working in that folder. With --keep the project is left as
# the last run left it (to go on from what another program changed, or to
# start a second program beside one that runs). Drive C: and the settings live
# under build-run/home, so a run touches nothing of the user's own.
#
# The programs are desktop windows: a run needs a desktop session (an X
# display). The tests do not (./scripts/test.sh runs them headless).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

# Every folder of a program subsystem with a main.cpp is a program.
programs=()
for main in "$root"/{batch,scales,layers,annotation,project,launchers,installer}/*/main.cpp; do
  [ -f "$main" ] && programs+=("$(basename "$(dirname "$main")")")
done
usage() {
  echo "Usage: $0 [program] [--keep]" >&2
  echo "Programs: ${programs[*]} (pollent when none is named)" >&2
}

program=pollent
keep=0
for arg in "$@"; do
  case "$arg" in
    --keep) keep=1 ;;
    -h|--help) usage; exit 0 ;;
    -*) echo "Unknown option: $arg" >&2; usage; exit 2 ;;
    *) program="$arg" ;;
  esac
done
if ! printf '%s\n' "${programs[@]}" | grep -qx -- "$program"; then
  echo "No program named \"$program\" in the suite." >&2
  usage
  exit 2
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "$program is a desktop program and needs a desktop session: no X display (DISPLAY) is set." >&2
  echo "Start it from a desktop session. The tests need none: ./scripts/test.sh" >&2
  exit 1
fi

"$root/scripts/deps.sh"
build="$root/build-run"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUITE_SANITIZE=OFF -DSUITE_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "$program" example-project

home="$build/home"
export XDG_DATA_HOME="$home/data"
export XDG_CONFIG_HOME="$home/config"
drive_c="$XDG_DATA_HOME/tarvo/drives/c"

if ((keep == 0)) || [ ! -d "$drive_c/Pollent" ]; then
  # A fresh project: earlier archive copies, the host's profile and the
  # read-only mark go with the old one.
  if [ -d "$drive_c/Pollent" ]; then
    chmod -R u+w "$drive_c/Pollent"
    rm -rf "$drive_c/Pollent"
  fi
  rm -f "$build/bin/Erace.dwg"
  "$build/bin/example-project" "$drive_c" 'C:\Pollent' >/dev/null
  # git keeps no read-only mark, so the read-only example is made so here.
  chmod a-w "$drive_c/Pollent/A105.dwg"
fi

echo "Example project: C:\\Pollent = $drive_c/Pollent"
echo "Settings: $XDG_CONFIG_HOME/tarvo"
export TARVO_STANDIN='C:\Pollent'
exec "$build/bin/$program"
