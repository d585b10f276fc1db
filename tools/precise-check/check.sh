#!/usr/bin/env bash
# Measures a model (precise by default) against astronomy-engine at random
# instants. Usage: tools/precise-check/check.sh [FIRST_YEAR LAST_YEAR [COUNT [MODEL]]]
# Needs a built probe (build/tools/probe/zenlith-probe), node and npm; the
# library is installed under build/precise-check, never into the tree.
set -euo pipefail
first=${1:-1900}
last=${2:-2100}
count=${3:-2000}
model=${4:-precise}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work="$root/build/precise-check"
mkdir -p "$work"
[ -d "$work/node_modules/astronomy-engine" ] || npm install --prefix "$work" --no-save --silent astronomy-engine@2
# Universal-time instants, entered as civil time without the summer-time box (UT + 2 h).
awk -v first="$first" -v last="$last" -v count="$count" 'BEGIN {
  srand(11);
  for (n = 0; n < count; ++n) {
    printf "%d\t%d\t%d\t%d\t%d\t0\n", first + int(rand() * (last - first + 1)), 1 + int(rand() * 12),
           1 + int(rand() * 28), int(rand() * 24), int(rand() * 60);
  }
}' | "$root/build/tools/probe/zenlith-probe" --model "$model" |
  NODE_PATH="$work/node_modules" node "$here/compare.js"
