#!/bin/sh
# Reference days at the places the place tests use, from Astronomy Engine
# (npm astronomy-engine 2.1.19), installed outside the repository:
#   npm install --prefix /work/scratch/place astronomy-engine@2.1.19
#   NODE_PATH=/work/scratch/place/node_modules sh tools/reference/place_days.sh
# Solstices, equinoxes and, in the north, the days polar day and night begin.
set -e
out=tests/events/data/places
mkdir -p "$out"
days="2024-03-20 2024-06-21 2024-09-22 2024-12-21 2025-01-15 2025-05-20 2025-07-25 2025-11-27"
script=tools/reference/day_events_reference.js
node $script 29.55805 34.94821 0 Asia/Jerusalem $days > "$out/eilat.tsv"
node $script 33.2778 35.5786 530 Asia/Jerusalem $days > "$out/metula.tsv"
node $script 31.7683 35.2137 754 Asia/Jerusalem $days > "$out/jerusalem.tsv"
node $script 40.71417 -74.00639 10 America/New_York $days > "$out/new_york.tsv"
node $script -37.81667 144.96667 31 Australia/Melbourne $days > "$out/melbourne.tsv"
node $script 64.15 -21.85 0 Atlantic/Reykjavik $days > "$out/reykjavik.tsv"
node $script 69.6496 18.956 0 Europe/Oslo $days > "$out/tromso.tsv"
