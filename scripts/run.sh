#!/usr/bin/env bash
# Starts a program of the suite on the example project, against the one
# running CAD host:
#
#   ./scripts/run.sh [program] [--keep]
#
# The program is named as its folder is (pollent, drossel, mervane,
# conversion, ...); pollent when none is named; "cadhost" starts only the
# host. Installs what is missing and builds the program and the host program
# cadhost (a normal build in build-run). When no host runs yet, it writes a
# fresh copy of the example project to C:\Pollent and starts cadhost on that
# folder in the background (its log in build-run/home/cadhost.log); then it
# starts the program, which attaches to the host. When a host already runs,
# the program attaches to it and the project stays as the host and the other
# programs have it. With --keep a host that has to be started finds the
# project as the last run left it. Drive C:, the settings and the host's
# socket live under build-run/home, so a run touches nothing of the user's
# own.
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
  echo "Programs: ${programs[*]} (pollent when none is named; cadhost: the CAD host alone)" >&2
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
if [ "$program" != cadhost ] && ! printf '%s\n' "${programs[@]}" | grep -qx -- "$program"; then
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
cmake --build "$build" -j "$(nproc)" --target "$program" cadhost example-project

home="$build/home"
mkdir -p "$home"
export XDG_DATA_HOME="$home/data"
export XDG_CONFIG_HOME="$home/config"
# Every program started from here (and every program those start, a host
# that a tool starts included) reaches the same host on the same project.
export TARVO_CAD_SOCKET="$home/cad-host"
export TARVO_CAD_PROJECT='C:\Pollent'
drive_c="$XDG_DATA_HOME/tarvo/drives/c"

if "$build/bin/cadhost" --ping; then
  echo "The CAD host already runs on the project: $program attaches to it."
else
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
  echo "Starting the CAD host on the project (log: $home/cadhost.log)"
  nohup "$build/bin/cadhost" --project "$TARVO_CAD_PROJECT" >"$home/cadhost.log" 2>&1 </dev/null &
  host_pid=$!
  started=0
  for _ in $(seq 100); do
    if "$build/bin/cadhost" --ping; then started=1; break; fi
    if ! kill -0 "$host_pid" 2>/dev/null; then break; fi
    sleep 0.2
  done
  if ((started == 0)); then
    echo "The CAD host did not start:" >&2
    cat "$home/cadhost.log" >&2
    exit 1
  fi
fi

echo "Example project: C:\\Pollent = $drive_c/Pollent"
echo "Settings: $XDG_CONFIG_HOME/tarvo"
[ "$program" = cadhost ] && exit 0
exec "$build/bin/$program"
