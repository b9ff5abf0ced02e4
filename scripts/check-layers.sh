#!/usr/bin/env bash
# Fails when an include crosses the suite's layers:
#   platform/ includes shared/ or a program;
#   shared/ or a program includes the stand-in host (platform/cad/standin);
#   one program includes another.
# Tests may reach the stand-in host (they build one); the rest holds for them too.
set -uo pipefail
cd "$(dirname "$0")/.."
programs='batch|scales|layers|annotation|project|launchers|installer'
found=0
report() { echo "$1"; found=1; }
while IFS= read -r line; do
  report "platform includes a suite module or a program: $line"
done < <(git grep -n -E "^#include +\"(shared|$programs)/" -- 'platform/' 2>/dev/null)
while IFS= read -r line; do
  report "reaches the stand-in host past the interfaces: $line"
done < <(git grep -n -E '^#include +"platform/cad/standin/' -- 'shared/' $(echo "$programs" | tr '|' ' ' | sed 's|\([a-z]*\)|\1/|g') 2>/dev/null \
           | grep -v -E '^[^:]*/tests/')
for dir in $(git ls-files | grep -E "^($programs)/[^/]+/" | cut -d/ -f1-2 | sort -u); do
  while IFS= read -r line; do
    report "one program includes another: $line"
  done < <(git grep -n -E "^#include +\"($programs)/" -- "$dir/" 2>/dev/null | grep -v "#include \"$dir/")
done
if ((found)); then
  echo "Layer check failed."
  exit 1
fi
echo "Layer check: no include crosses the layers."
