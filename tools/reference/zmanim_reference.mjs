// Reference halachic times for the zmanim tests, from the independent hebcal
// library (npm @hebcal/core), which is not part of the build:
//   npm install --prefix /work/scratch/hebrew @hebcal/core
//   HEBCAL=/work/scratch/hebrew/node_modules/@hebcal/core/dist/esm/index.js \
//     node tools/reference/zmanim_reference.mjs > tests/zmanim/data/zmanim_2026.tsv
// Every civil day of 2026 at 32° N 35° E, sea level, Israel's clock, 20
// minutes' candle lighting, havdalah at the Sun 8.5° below. One line per day:
// year, month, day, then alotHaShachar, misheyakir, sunrise, sofZmanShmaMGA,
// sofZmanShma, sofZmanTfillaMGA, sofZmanTfilla, chatzot, minchaGedola,
// minchaKetana, plagHaMincha, sunset, tzeit, candle lighting and havdalah, as
// minutes after 00:00 universal time of the civil date, "-" where there is none.
import {readFileSync} from 'node:fs';
import {dirname, join} from 'node:path';

const {HDate, HebrewCalendar, Location, Zmanim} = await import(process.env.HEBCAL);
const version = JSON.parse(readFileSync(join(dirname(process.env.HEBCAL), '../../package.json'))).version;

const site = new Location(32, 35, true, 'Asia/Jerusalem', 'site', 'IL', undefined, 0);
const names = ['alotHaShachar', 'misheyakir', 'seaLevelSunrise', 'sofZmanShmaMGA', 'sofZmanShma', 'sofZmanTfillaMGA',
               'sofZmanTfilla', 'chatzot', 'minchaGedola', 'minchaKetana', 'plagHaMincha', 'seaLevelSunset', 'tzeit'];
const evening = new Map();
for (const ev of HebrewCalendar.calendar({start: new Date(2026, 0, 1), end: new Date(2026, 11, 31), il: true,
  candlelighting: true, location: site, candleLightingMins: 20, havdalahDeg: 8.5})) {
  const desc = ev.getDesc();
  if (desc === 'Candle lighting' || desc === 'Havdalah') evening.set(ev.getDate().abs(), [desc, ev.eventTime]);
}

console.log(`# @hebcal/core ${version}, 32 N 35 E sea level: minutes after 00:00 UT`);
for (let t = Date.UTC(2026, 0, 1); t < Date.UTC(2027, 0, 1); t += 86400000) {
  const day = new Date(t);
  const civil = new Date(day.getUTCFullYear(), day.getUTCMonth(), day.getUTCDate());
  const minutes = (date) => (date && !isNaN(date.getTime()) ? ((date.getTime() - t) / 60000).toFixed(2) : '-');
  const zmanim = new Zmanim(site, civil, false);
  const row = names.map((name) => minutes(zmanim[name]()));
  const [desc, time] = evening.get(new HDate(civil).abs()) ?? ['', null];
  row.push(desc === 'Candle lighting' ? minutes(time) : '-', desc === 'Havdalah' ? minutes(time) : '-');
  console.log([day.getUTCFullYear(), day.getUTCMonth() + 1, day.getUTCDate(), ...row].join('\t'));
}
