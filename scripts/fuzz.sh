#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz) and runs each for a
# bounded time. Usage: scripts/fuzz.sh [seconds per target] [target...]
# CI runs a short round; for a longer search give more seconds, e.g.
#   ./scripts/fuzz.sh 600
# Each target keeps its corpus in build-fuzz/corpus/<target>, seeded from
# fuzz/corpus/<target> in the repository; crashes land in build-fuzz/crashes.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
shift || true
SUITE_EXTRA_PACKAGES="clang libclang-rt-14-dev" "$root/scripts/deps.sh"
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DSUITE_FUZZ=ON \
  -DSUITE_TESTS=OFF -DSUITE_SANITIZE=OFF >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
  mapfile -t targets < <(grep -v '^$' "$build/fuzz-targets.txt")
fi
if ((${#targets[@]} == 0)); then
  echo "No fuzz targets."
  exit 0
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/crashes"
status=0
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  seeds=()
  [ -d "$root/fuzz/corpus/$t" ] && seeds=("$root/fuzz/corpus/$t")
  echo "== $t: ${seconds}s"
  if ! "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$build/crashes/$t-" -print_final_stats=1 "$corpus" "${seeds[@]}" \
       2>"$build/$t.log"; then
    status=1
    tail -n 60 "$build/$t.log"
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+ +DONE' "$build/$t.log" | tail -n 2 || true
done
exit $status
