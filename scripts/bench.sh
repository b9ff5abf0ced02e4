#!/usr/bin/env bash
# Builds the benchmarks in a Release build (build-bench) and runs them all, or
# the ones named: scripts/bench.sh [benchmark...]. Each prints its own table.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSUITE_SANITIZE=OFF -DSUITE_TESTS=OFF >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
  mapfile -t targets < <(grep -v '^$' "$build/bench-targets.txt")
fi
if ((${#targets[@]} == 0)); then
  echo "No benchmarks."
  exit 0
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
export QT_QPA_PLATFORM=offscreen
for t in "${targets[@]}"; do
  echo "== $t"
  "$build/bin/bench/$t"
done
