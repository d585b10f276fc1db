// Reference days for the event tests, from the independent Astronomy Engine
// library (npm astronomy-engine), which is not part of the build:
//   npm install --prefix /tmp/ae astronomy-engine
//   NODE_PATH=/tmp/ae/node_modules node tools/reference/day_events_reference.js > tests/events/data/reference_days.tsv
// or, for every day of whole months (the month's table follows events from
// day to day):
//   NODE_PATH=/tmp/ae/node_modules node tools/reference/day_events_reference.js 2026-03 2026-10 \
//     > tests/almanac/data/reference_months.tsv
// One line per civil day at 32 N 35 E: the date, the local midnights that
// bound it (Julian dates, universal time, Asia/Jerusalem), then for the Sun,
// Mercury to Neptune and the Moon the rise, culmination and set, then the
// dawn and dusk of civil, nautical and astronomical twilight, then the five
// phases from the last new Moon before the day: every instant a Julian date
// in universal time, "-" where the event does not happen that day. The rise
// and set azimuths and the culmination altitude follow each instant.
//
// With arguments, the same lines for another place and the days named:
//   node tools/reference/day_events_reference.js LAT LON HEIGHT ZONE YYYY-MM-DD...
// as tools/reference/place_days.sh makes them for tests/events/data/places/.
'use strict';
const A = require('astronomy-engine');

const [latArg, lonArg, heightArg, zoneArg, ...dayArgs] = process.argv.slice(2);
const site = new A.Observer(latArg ? +latArg : 32, lonArg ? +lonArg : 35, heightArg ? +heightArg : 0);
const bodies = [A.Body.Sun, A.Body.Mercury, A.Body.Venus, A.Body.Mars, A.Body.Jupiter, A.Body.Saturn,
                A.Body.Uranus, A.Body.Neptune, A.Body.Moon];
const unixEpochJd = 2440587.5;
const jd = (date) => date.getTime() / 86400000 + unixEpochJd;

const clock = new Intl.DateTimeFormat('en-GB', {timeZone: zoneArg || 'Asia/Jerusalem', hourCycle: 'h23',
  year: 'numeric', month: '2-digit', day: '2-digit', hour: '2-digit', minute: '2-digit', second: '2-digit'});
function offsetMs(ms) {
  const p = Object.fromEntries(clock.formatToParts(new Date(ms)).map((x) => [x.type, x.value]));
  return Date.UTC(+p.year, +p.month - 1, +p.day, +p.hour, +p.minute, +p.second) - ms;
}
// By the offset in force just before the day could begin: where the clocks
// jump forward at midnight, the day begins at the jump.
function localMidnight(y, m, d) {
  const wall = Date.UTC(y, m - 1, d);
  return new Date(wall - offsetMs(wall - 3 * 3600000 - 60000));
}

const within = (t, start, end) => t && t.date >= start && t.date < end ? t : null;
const num = (x, digits) => (x === null ? '-' : x.toFixed(digits));

function horizonEvents(body, start, end) {
  const rise = within(A.SearchRiseSet(body, site, +1, start, 1.2), start, end);
  const set = within(A.SearchRiseSet(body, site, -1, start, 1.2), start, end);
  const transit = A.SearchHourAngle(body, site, 0, start);
  const culm = within(transit.time, start, end);
  // Seen from the site, without refraction.
  const horizon = (t) => {
    const eq = A.Equator(body, t, site, true, true);
    return A.Horizon(t, site, eq.ra, eq.dec, null);
  };
  return [num(rise && jd(rise.date), 6), num(rise && horizon(rise).azimuth, 2), num(culm && jd(culm.date), 6),
          num(culm && horizon(culm).altitude, 2), num(set && jd(set.date), 6), num(set && horizon(set).azimuth, 2)];
}

function twilights(start, end) {
  const out = [];
  for (const depth of [6, 12, 18]) {
    for (const dir of [+1, -1]) {
      const t = within(A.SearchAltitude(A.Body.Sun, site, dir, start, 1.2, -depth), start, end);
      out.push(num(t && jd(t.date), 6));
    }
  }
  return out;
}

function phases(start) {
  let t = A.SearchMoonPhase(0, A.MakeTime(start).AddDays(-31), 31);
  for (let next = t; next.date <= start; next = A.SearchMoonPhase(0, next.AddDays(1), 30)) t = next;
  const out = [];
  for (let k = 0; k < 5; ++k) {
    out.push(num(jd(t.date), 6));
    t = A.SearchMoonPhase(90 * ((k + 1) % 4), t.AddDays(1), 30);
  }
  return out;
}

function line(y, m, d) {
  const start = localMidnight(y, m, d);
  const next = new Date(Date.UTC(y, m - 1, d + 1));
  const end = localMidnight(next.getUTCFullYear(), next.getUTCMonth() + 1, next.getUTCDate());
  const fields = [`${y}-${String(m).padStart(2, '0')}-${String(d).padStart(2, '0')}`, num(jd(start), 6),
                  num(jd(end), 6)];
  for (const body of bodies) fields.push(...horizonEvents(body, start, end));
  fields.push(...twilights(start, end), ...phases(start));
  return fields.join('\t');
}

const days = [
  // Across the precise model's range.
  [1900, 1, 1], [1910, 5, 18], [1925, 8, 3], [1940, 6, 1], [1950, 12, 31], [1969, 7, 20], [1987, 3, 29],
  [1999, 12, 31], [2000, 2, 29], [2004, 6, 8], [2017, 8, 21], [2024, 2, 29], [2024, 4, 23], [2024, 10, 3],
  [2026, 3, 18], [2050, 1, 15], [2077, 9, 30], [2099, 12, 31], [2100, 3, 1],
  // The days the clocks change: the missing March hour, the repeated October hour.
  [2024, 3, 29], [2024, 10, 27], [2026, 3, 27], [2026, 10, 25], [1985, 4, 14], [1985, 9, 15],
];
if (zoneArg) {
  for (const day of dayArgs) console.log(line(...day.split('-').map(Number)));
  process.exit(0);
}
// Days in 2024 on which the Moon does not rise, or does not set, and one
// with a moonrise in the day's last half hour.
const extra = {noRise: null, noSet: null, lateRise: null};
for (let day = 0; day < 366 && Object.values(extra).includes(null); ++day) {
  const date = new Date(Date.UTC(2024, 0, 1 + day));
  const y = date.getUTCFullYear(), m = date.getUTCMonth() + 1, d = date.getUTCDate();
  const start = localMidnight(y, m, d);
  const nextDate = new Date(Date.UTC(y, m - 1, d + 1));
  const end = localMidnight(nextDate.getUTCFullYear(), nextDate.getUTCMonth() + 1, nextDate.getUTCDate());
  const rise = within(A.SearchRiseSet(A.Body.Moon, site, +1, start, 1.2), start, end);
  const set = within(A.SearchRiseSet(A.Body.Moon, site, -1, start, 1.2), start, end);
  if (!rise && !extra.noRise) extra.noRise = [y, m, d];
  if (!set && !extra.noSet) extra.noSet = [y, m, d];
  if (rise && end - rise.date < 1800000 && !extra.lateRise) extra.lateRise = [y, m, d];
}
const months = process.argv.slice(2).map((text) => text.split('-').map(Number));
if (months.length > 0) {
  for (const [y, m] of months) {
    for (let d = 1; d <= new Date(Date.UTC(y, m, 0)).getUTCDate(); ++d) console.log(line(y, m, d));
  }
} else {
  for (const day of [...days, ...Object.values(extra)]) console.log(line(...day));
}
