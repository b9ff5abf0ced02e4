#!/usr/bin/env bash
# Checks what scripts/run.sh says before it builds anything: which programs it
# starts, and that it asks for a desktop session instead of failing inside Qt.
set -uo pipefail
run="$(cd "$(dirname "$0")/.." && pwd)/run.sh"
failed=0
fail() { echo "FAIL: $1"; failed=1; }

# Run without a display, so that a program name it takes stops at the
# desktop check rather than building.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$run" "$@" 2>&1; }

out="$(headless nosuch)"; code=$?
[ "$code" -eq 2 ] || fail "an unknown program exits with 2, not $code"
[[ "$out" == *'No program named "nosuch"'* ]] || fail "an unknown program is named: $out"
for program in pollent drossel mervane conversion; do
  [[ "$out" == *"$program"* ]] || fail "the usage lists $program: $out"
done

for args in "" "pollent" "drossel" "mervane" "conversion" "drossel --keep"; do
  out="$(headless $args)"; code=$?
  [ "$code" -eq 1 ] || fail "'run.sh $args' without a display exits with 1, not $code"
  [[ "$out" == *"needs a desktop session"* ]] || fail "'run.sh $args' asks for a desktop session: $out"
  [[ "$out" == *"./scripts/test.sh"* ]] || fail "'run.sh $args' points to the headless tests: $out"
done
out="$(headless drossel)"
[[ "$out" == drossel* ]] || fail "the message names the program asked for: $out"
out="$(headless)"
[[ "$out" == pollent* ]] || fail "pollent is the program when none is named: $out"

out="$(headless --bogus)"; code=$?
[ "$code" -eq 2 ] || fail "an unknown option exits with 2, not $code"

exit $failed
