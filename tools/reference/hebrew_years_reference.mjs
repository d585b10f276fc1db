// Reference Hebrew years for the calendar tests, from the independent hebcal
// library (npm @hebcal/core), which is not part of the build:
//   npm install --prefix /work/scratch/hebrew @hebcal/core
//   HEBCAL=/work/scratch/hebrew/node_modules/@hebcal/core/dist/esm/index.js \
//     node tools/reference/hebrew_years_reference.mjs > tests/hebrew/data/hebrew_years.tsv
// One line per Hebrew year whose New Year falls in 1000-3000 CE: the year,
// the Julian day number of 1 Tishrei and of 1 Nisan, and the year's length.
import {readFileSync} from 'node:fs';
import {dirname, join} from 'node:path';

const hebcal = await import(process.env.HEBCAL);
const {HDate, months} = hebcal;
const version = JSON.parse(readFileSync(join(dirname(process.env.HEBCAL), '../../package.json'))).version;

// hebcal counts days from 1 January of the year 1 (proleptic Gregorian) = 1.
const julianDayNumber = (hdate) => hdate.abs() + 1721425;

console.log(`# @hebcal/core ${version}: year, 1 Tishrei, 1 Nisan (Julian day numbers), days in the year`);
for (let year = 4760; year <= 6761; ++year) {
  const newYear = new HDate(1, months.TISHREI, year);
  const gregorianYear = newYear.greg().getFullYear();
  if (gregorianYear < 1000 || gregorianYear > 3000) continue;
  const nisan = new HDate(1, months.NISAN, year);
  console.log([year, julianDayNumber(newYear), julianDayNumber(nisan), HDate.daysInYear(year)].join('\t'));
}
