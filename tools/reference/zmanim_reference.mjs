// Reference halachic times for the zmanim tests, from the independent hebcal
// library (npm @hebcal/core), which is not part of the build:
//   npm install --prefix /work/scratch/zmanim @hebcal/core@6.9.3
//   HEBCAL=/work/scratch/zmanim/node_modules/@hebcal/core/dist/esm/index.js \
//     node tools/reference/zmanim_reference.mjs LAT LON ZONE CANDLE_MINUTES HAVDALAH > FILE
// HAVDALAH is "tzeit" (the Sun 8.5° below) or "72" (minutes after sunset).
// The fixtures in tests/zmanim/data were made with:
//   original_site.tsv  32 35 Asia/Jerusalem 20 tzeit
//   jerusalem.tsv      31.76904 35.21633 Asia/Jerusalem 40 tzeit
//   eilat.tsv          29.55805 34.94821 Asia/Jerusalem 20 tzeit
//   new_york.tsv       40.71417 -74.00639 America/New_York 18 72
//   london.tsv         51.50833 -0.12528 Europe/London 18 tzeit
// Every civil day of 2026 at sea level, the festivals as kept in Israel
// everywhere (the program's calendar). One line per day: year, month, day,
// then alotHaShachar, misheyakir, sunrise, sofZmanShmaMGA, sofZmanShma,
// sofZmanTfillaMGA, sofZmanTfilla, chatzot, minchaGedola, minchaKetana,
// plagHaMincha, sunset, tzeit, candle lighting and havdalah, as minutes after
// 00:00 universal time of the civil date, "-" where there is none.
import {readFileSync} from 'node:fs';
import {dirname, join} from 'node:path';

const {HDate, HebrewCalendar, Location, Zmanim} = await import(process.env.HEBCAL);
const version = JSON.parse(readFileSync(join(dirname(process.env.HEBCAL), '../../package.json'))).version;

const [latitude, longitude, zone, candleMinutes, havdalah] = process.argv.slice(2);
const site = new Location(Number(latitude), Number(longitude), zone === 'Asia/Jerusalem', zone, 'site', '', undefined, 0);
const names = ['alotHaShachar', 'misheyakir', 'seaLevelSunrise', 'sofZmanShmaMGA', 'sofZmanShma', 'sofZmanTfillaMGA',
               'sofZmanTfilla', 'chatzot', 'minchaGedola', 'minchaKetana', 'plagHaMincha', 'seaLevelSunset', 'tzeit'];
const evening = new Map();
for (const ev of HebrewCalendar.calendar({start: new Date(2026, 0, 1), end: new Date(2026, 11, 31), il: true,
  candlelighting: true, location: site, candleLightingMins: Number(candleMinutes),
  ...(havdalah === 'tzeit' ? {havdalahDeg: 8.5} : {havdalahMins: Number(havdalah)})})) {
  const desc = ev.getDesc();
  if (desc === 'Candle lighting' || desc === 'Havdalah') evening.set(ev.getDate().abs(), [desc, ev.eventTime]);
}

console.log(`# @hebcal/core ${version}, ${latitude} ${longitude} ${zone} sea level, candles ${candleMinutes}, ` +
            `havdalah ${havdalah}: minutes after 00:00 UT`);
for (let t = Date.UTC(2026, 0, 1); t < Date.UTC(2027, 0, 1); t += 86400000) {
  const day = new Date(t);
  const civil = new Date(day.getUTCFullYear(), day.getUTCMonth(), day.getUTCDate());
  const minutes = (date) => (date && !isNaN(date.getTime()) ? ((date.getTime() - t) / 60000).toFixed(1) : '-');
  const zmanim = new Zmanim(site, civil, false);
  const row = names.map((name) => minutes(zmanim[name]()));
  const [desc, time] = evening.get(new HDate(civil).abs()) ?? ['', null];
  row.push(desc === 'Candle lighting' ? minutes(time) : '-', desc === 'Havdalah' ? minutes(time) : '-');
  console.log([day.getUTCFullYear(), day.getUTCMonth() + 1, day.getUTCDate(), ...row].join('\t'));
}
