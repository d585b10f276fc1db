// Reference festivals, fasts, candle lighting and havdalah for the holiday
// tests, from the independent hebcal library (npm @hebcal/core), in its
// Israel mode, which is not part of the build:
//   npm install --prefix /work/scratch/hebrew @hebcal/core
//   HEBCAL=/work/scratch/hebrew/node_modules/@hebcal/core/dist/esm/index.js \
//     node tools/reference/hebrew_holidays_reference.mjs > tests/hebrew/data/hebrew_holidays.tsv
// The Hebrew years 5710-5809 (September 1949 to September 2049). One line per
// day that has one of the festivals and fasts below, or whose evening differs
// from a plain Friday's (candle lighting) or Saturday's (havdalah): the Julian
// day number, then what the evening brings ("C" candle lighting before
// sunset, "N" candle lighting at nightfall, "H" havdalah, "-" nothing), then
// the day's names, hebcal's turned into the program's Hebrew ones by the
// table below, separated by ";".
import {readFileSync} from 'node:fs';
import {dirname, join} from 'node:path';

const {HDate, HebrewCalendar, Location, Zmanim, months} = await import(process.env.HEBCAL);
const version = JSON.parse(readFileSync(join(dirname(process.env.HEBCAL), '../../package.json'))).version;

// The first that matches; hebcal's Hanukkah days go by the candles of the
// evening before, so its first candle (24 Kislev) is left out.
const hebrewNames = [
  [/^Rosh Hashana( [0-9]| II)/, 'ראש השנה'], [/^Tzom Gedaliah/, 'צום גדליה'], [/^Yom Kippur$/, 'יום כיפור'],
  [/^Sukkot I$/, 'סוכות'], [/^Sukkot .*CH''M/, 'חול המועד סוכות'], [/^Sukkot VII/, 'הושענא רבה'],
  [/^Shmini Atzeret/, 'שמיני עצרת ושמחת תורה'], [/^Chanukah: ([2-8] Candles|8th Day)/, 'חנוכה'],
  [/^Asara B'Tevet/, 'עשרה בטבת'], [/^Tu BiShvat/, 'ט״ו בשבט'], [/^Ta'anit Esther/, 'תענית אסתר'],
  [/^Purim$/, 'פורים'], [/^Shushan Purim$/, 'שושן פורים'], [/^Pesach I$/, 'פסח'],
  [/^Pesach .*CH''M/, 'חול המועד פסח'], [/^Pesach VII$/, 'שביעי של פסח'], [/^Yom HaShoah/, 'יום השואה'],
  [/^Yom HaZikaron/, 'יום הזיכרון'], [/^Yom HaAtzma'ut/, 'יום העצמאות'], [/^Lag BaOmer/, 'ל״ג בעומר'],
  [/^Yom Yerushalayim/, 'יום ירושלים'], [/^Shavuot$/, 'שבועות'], [/^Tzom Tammuz/, 'צום י״ז בתמוז'],
  [/^Tish'a B'Av/, 'תשעה באב'],
];
const jerusalem = new Location(31.778, 35.235, true, 'Asia/Jerusalem', 'Jerusalem', 'IL');
const events = HebrewCalendar.calendar({
  start: new HDate(1, months.TISHREI, 5710), end: new HDate(29, months.ELUL, 5809),
  il: true, candlelighting: true, location: jerusalem, candleLightingMins: 18,
});

const days = new Map();
const dayOf = (hd) => {
  if (!days.has(hd.abs())) days.set(hd.abs(), {evening: '-', names: []});
  return days.get(hd.abs());
};
for (const ev of events) {
  const desc = ev.getDesc();
  const day = dayOf(ev.getDate());
  if (desc === 'Candle lighting') {
    const sunset = new Zmanim(jerusalem, ev.getDate(), false).sunset();
    day.evening = ev.eventTime < sunset ? 'C' : 'N';
  } else if (desc === 'Havdalah') {
    day.evening = 'H';
  } else {
    const found = hebrewNames.find(([pattern]) => pattern.test(desc));
    if (found) day.names.push(found[1]);
  }
}

console.log(`# @hebcal/core ${version}, Israel: day number, evening, names`);
for (const [abs, day] of [...days.entries()].sort((a, b) => a[0] - b[0])) {
  const weekday = abs % 7;  // 5 Friday, 6 Saturday
  const plain = day.names.length === 0 && ((weekday === 5 && day.evening === 'C') ||
                                           (weekday === 6 && day.evening === 'H') || day.evening === '-');
  if (!plain) console.log([abs + 1721425, day.evening, day.names.sort().join(';')].join('\t'));
}
