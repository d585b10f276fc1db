// Turns the constellation figures of the d3-celestial npm package (BSD-3-Clause,
// © 2015 Olaf Frohn; data/constellations.lines.json) into lines between the
// stars of the Bright Star Catalogue, so that the figures follow the stars'
// positions of date. Run once; its output is committed:
//   npm install d3-celestial@0.7.35   (in a scratch folder)
//   NODE_PATH=<scratch>/node_modules node tools/reference/constellation_lines.js \
//     /usr/share/xplanet/stars/BSC > core/stars/constellation_lines.txt
// Each output line is a constellation's abbreviation and one polyline as HR
// numbers. A vertex with no catalogue star within 0.2° ends the polyline.
'use strict';
const fs = require('fs');
const path = require('path');

const figures = JSON.parse(fs.readFileSync(
  path.join(path.dirname(require.resolve('d3-celestial/package.json')), 'data', 'constellations.lines.json'), 'utf8'));

const stars = [];
for (const line of fs.readFileSync(process.argv[2], 'utf8').split('\n')) {
  const m = line.match(/^\s*(-?[\d.]+)\s+([\d.]+)\s+(-?[\d.]+)\s+"[^"]*"\s+(\d+)/);
  if (m) stars.push({ dec: +m[1], ra: +m[2] * 15, hr: +m[4] });
}

const radians = Math.PI / 180;
function separation(ra1, dec1, ra2, dec2) {
  const c = Math.sin(dec1 * radians) * Math.sin(dec2 * radians) +
    Math.cos(dec1 * radians) * Math.cos(dec2 * radians) * Math.cos((ra1 - ra2) * radians);
  return Math.acos(Math.min(1, c)) / radians;
}

function nearestStar([lon, dec]) {
  const ra = (lon + 360) % 360;
  let best = null;
  let bestDistance = 0.2;
  for (const s of stars) {
    if (Math.abs(s.dec - dec) > bestDistance) continue;
    const d = separation(ra, dec, s.ra, s.dec);
    if (d < bestDistance) { best = s; bestDistance = d; }
  }
  return best;
}

let missed = 0;
const out = ['# Constellation figures: abbreviation, then a polyline of HR numbers.',
  '# From d3-celestial 0.7.35 (BSD-3-Clause, (c) 2015 Olaf Frohn), matched to the Bright Star Catalogue.'];
for (const f of figures.features) {
  for (const polyline of f.geometry.coordinates) {
    let run = [];
    const flush = () => { if (run.length > 1) out.push(`${f.id} ${run.join(' ')}`); run = []; };
    for (const vertex of polyline) {
      const s = nearestStar(vertex);
      if (s) run.push(s.hr); else { missed++; flush(); }
    }
    flush();
  }
}
process.stderr.write(`${figures.features.length} constellations, ${missed} vertices without a catalogue star\n`);
process.stdout.write(out.join('\n') + '\n');
