// Reference places of bright stars for the star tests, from the independent
// Astronomy Engine library (npm astronomy-engine 2.1.19), not part of the build:
//   npm install --prefix /work/scratch/skymap astronomy-engine@2.1.19
//   NODE_PATH=/work/scratch/skymap/node_modules node tools/reference/star_places_reference.js \
//     /usr/share/xplanet/stars/BSC tests/stars/data
// star_places.tsv: one line per star, instant and place: HR, the Julian date
// (UT), latitude, longitude and height of the place, the apparent right
// ascension and declination of date (degrees; aberration on), the azimuth,
// the airless altitude and the altitude refracted as astronomy-engine's 'normal'.
// star_events.tsv: one line per star and place: HR, latitude, longitude, the
// day's start (a Julian date, UT), then the first rise, upper culmination and
// set after it (Julian dates, "-" where there is none within a day).
'use strict';
const fs = require('fs');
const A = require('astronomy-engine');

const chosen = [2491, 2326, 5340, 7001, 1708, 1713, 2943, 424, 6134, 7557, 5459, 4730];
const catalogue = new Map();
for (const line of fs.readFileSync(process.argv[2], 'utf8').split('\n')) {
  const m = line.match(/^\s*(-?[\d.]+)\s+([\d.]+)\s+(-?[\d.]+)\s+"[^"]*"\s+(\d+)/);
  if (m) catalogue.set(+m[4], { dec: +m[1], raHours: +m[2] });
}
const places = [[32, 35, 0], [64.15, -21.94, 40], [-33.92, 18.42, 10]];
const instants = ['2026-12-07T20:00:00Z', '1987-03-15T02:30:00Z', '2043-07-01T23:10:00Z'];

const rows = ['# hr\tjd_ut\tlat\tlon\theight\tra\tdecl\taz\talt_airless\talt_refracted'];
for (const iso of instants) {
  const time = A.MakeTime(new Date(iso));
  for (const [lat, lon, height] of places) {
    const observer = new A.Observer(lat, lon, height);
    for (const hr of chosen) {
      const star = catalogue.get(hr);
      A.DefineStar(A.Body.Star1, star.raHours, star.dec, 1000);
      const eq = A.Equator(A.Body.Star1, time, observer, true, true);
      const airless = A.Horizon(time, observer, eq.ra, eq.dec);
      const refracted = A.Horizon(time, observer, eq.ra, eq.dec, 'normal');
      rows.push([hr, (time.ut + 2451545).toFixed(6), lat, lon, height, (eq.ra * 15).toFixed(6), eq.dec.toFixed(6),
        airless.azimuth.toFixed(6), airless.altitude.toFixed(6), refracted.altitude.toFixed(6)].join('\t'));
    }
  }
}
fs.writeFileSync(`${process.argv[3]}/star_places.tsv`, rows.join('\n') + '\n');

const dayStart = A.MakeTime(new Date('2026-12-07T00:00:00Z'));
const events = ['# hr\tlat\tlon\tday_start\trise\tculmination\tset'];
const within = (t) => (t && t.ut < dayStart.ut + 1 ? (t.ut + 2451545).toFixed(6) : '-');
for (const [lat, lon, height] of places) {
  const observer = new A.Observer(lat, lon, height);
  for (const hr of chosen) {
    const star = catalogue.get(hr);
    A.DefineStar(A.Body.Star1, star.raHours, star.dec, 1000);
    const rise = A.SearchRiseSet(A.Body.Star1, observer, +1, dayStart, 1);
    const culmination = A.SearchHourAngle(A.Body.Star1, observer, 0, dayStart);
    const set = A.SearchRiseSet(A.Body.Star1, observer, -1, dayStart, 1);
    events.push([hr, lat, lon, (dayStart.ut + 2451545).toFixed(6), within(rise), within(culmination.time),
      within(set)].join('\t'));
  }
}
fs.writeFileSync(`${process.argv[3]}/star_events.tsv`, events.join('\n') + '\n');
