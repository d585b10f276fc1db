// Reference events for the coming-events tests, from the independent
// Astronomy Engine library (npm astronomy-engine 2.1.19), not part of the build:
//   npm install --prefix /tmp/ae astronomy-engine@2.1.19
//   NODE_PATH=/tmp/ae/node_modules node tools/reference/coming_events_reference.js > tests/coming/data/coming_events_reference.tsv
// Every event from 2000-01-01 to 2051-01-01 (universal time), one a line:
// the kind, the body, then Julian dates in universal time and figures.
//   season     marchEquinox|juneSolstice|septemberEquinox|decemberSolstice  jd
//   phase      newMoon|firstQuarter|fullMoon|lastQuarter                    jd
//   apsis      perigee|apogee                                              jd  distance_km
//   relative   body conjunction|opposition                                  jd   (heliocentric longitudes 0° or 180° apart)
//   elongation body east|west                                               jd  elongation_deg
//   lunar      penumbral|partial|total  peak_jd  semi-durations of the penumbral, partial and total phases in minutes
//   solar      partial|annular|total at 32 N 35 E, sea level: partial_begin total_begin peak total_end partial_end
//              (Julian dates, "-" where there is none), obscuration, the Sun's altitude at each contact
//   station    body retrogradeStart|retrogradeEnd                           jd
//   approach   body body                                                    jd  separation_deg
// The library has no search for the last two: here its apparent geocentric
// places (GeoVector with aberration) are sampled and refined by bisection.
'use strict';
const A = require('astronomy-engine');

const start = A.MakeTime(new Date(Date.UTC(2000, 0, 1)));
const end = A.MakeTime(new Date(Date.UTC(2051, 0, 1)));
const jd = (t) => (t.ut + 2451545).toFixed(5);
const before = (t) => t.ut < end.ut;
const out = [];

for (let y = 2000; y <= 2050; ++y) {
  const s = A.Seasons(y);
  out.push(['season', 'marchEquinox', jd(s.mar_equinox)], ['season', 'juneSolstice', jd(s.jun_solstice)],
           ['season', 'septemberEquinox', jd(s.sep_equinox)], ['season', 'decemberSolstice', jd(s.dec_solstice)]);
}
const quarters = ['newMoon', 'firstQuarter', 'fullMoon', 'lastQuarter'];
for (let q = A.SearchMoonQuarter(start); before(q.time); q = A.NextMoonQuarter(q)) {
  out.push(['phase', quarters[q.quarter], jd(q.time)]);
}
for (let a = A.SearchLunarApsis(start); before(a.time); a = A.NextLunarApsis(a)) {
  out.push(['apsis', a.kind === A.ApsisKind.Pericenter ? 'perigee' : 'apogee', jd(a.time), a.dist_km.toFixed(0)]);
}
const inner = [A.Body.Mercury, A.Body.Venus];
for (const body of [A.Body.Mercury, A.Body.Venus, A.Body.Mars, A.Body.Jupiter, A.Body.Saturn, A.Body.Uranus,
                    A.Body.Neptune]) {
  // Seen from the Sun, the planet and the Earth in line: an inner planet is
  // then in conjunction either way, an outer one in opposition at 0°.
  for (const angle of [0, 180]) {
    const kind = inner.includes(body) || angle === 180 ? 'conjunction' : 'opposition';
    for (let t = A.SearchRelativeLongitude(body, angle, start); before(t);
         t = A.SearchRelativeLongitude(body, angle, t.AddDays(1))) {
      out.push(['relative', body, kind, jd(t)]);
    }
  }
}
for (const body of inner) {
  for (let e = A.SearchMaxElongation(body, start); before(e.time); e = A.SearchMaxElongation(body, e.time.AddDays(1))) {
    out.push(['elongation', body, e.visibility === 'evening' ? 'east' : 'west', jd(e.time), e.elongation.toFixed(3)]);
  }
}
for (let e = A.SearchLunarEclipse(start); before(e.peak); e = A.NextLunarEclipse(e.peak)) {
  out.push(['lunar', e.kind, jd(e.peak), e.sd_penum.toFixed(2), e.sd_partial.toFixed(2), e.sd_total.toFixed(2)]);
}
const site = new A.Observer(32, 35, 0);
const contact = (c) => (c ? jd(c.time) : '-');
const altitude = (c) => (c ? c.altitude.toFixed(2) : '-');
for (let e = A.SearchLocalSolarEclipse(start, site); before(e.peak.time); e = A.NextLocalSolarEclipse(e.peak.time, site)) {
  const contacts = [e.partial_begin, e.total_begin, e.peak, e.total_end, e.partial_end];
  out.push(['solar', e.kind, ...contacts.map(contact), e.obscuration.toFixed(4), ...contacts.map(altitude)]);
}
// The zero of f in [a, b] where it changes sign, to a second.
function bisect(f, a, b) {
  let fa = f(a);
  while (b - a > 1 / 86400) {
    const m = (a + b) / 2;
    const fm = f(m);
    if ((fm < 0) === (fa < 0)) { a = m; fa = fm; } else { b = m; }
  }
  return (a + b) / 2;
}
const at = (ut) => A.MakeTime(ut);
const planets = [A.Body.Mercury, A.Body.Venus, A.Body.Mars, A.Body.Jupiter, A.Body.Saturn, A.Body.Uranus, A.Body.Neptune];
const [u0, u1] = [start.ut, end.ut];
const hour = 1 / 24;
for (const body of planets) {
  const lon = (ut) => A.Ecliptic(A.GeoVector(body, at(ut), true)).elon;
  const rate = (ut) => { let d = lon(ut + hour) - lon(ut - hour); if (d > 180) d -= 360; if (d < -180) d += 360; return d; };
  for (let u = u0, r = rate(u); u < u1; u += 1) {
    const r1 = rate(u + 1);
    if ((r < 0) !== (r1 < 0)) {
      out.push(['station', body, r1 < 0 ? 'retrogradeStart' : 'retrogradeEnd', (bisect(rate, u, u + 1) + 2451545).toFixed(5)]);
    }
    r = r1;
  }
}
const bodies = [A.Body.Moon, ...planets];
for (let i = 0; i < bodies.length; ++i) {
  for (let j = i + 1; j < bodies.length; ++j) {
    const apart = (ut) => A.AngleBetween(A.GeoVector(bodies[i], at(ut), true), A.GeoVector(bodies[j], at(ut), true));
    const trend = (ut) => apart(ut + 1 / 1440) - apart(ut - 1 / 1440);
    const step = i === 0 ? 0.25 : 1;
    for (let u = u0, t = trend(u); u < u1; u += step) {
      const t1 = trend(u + step);
      if (t < 0 && t1 >= 0) {
        const least = bisect(trend, u, u + step);
        const degrees = apart(least);
        if (degrees < 2) out.push(['approach', bodies[j], bodies[i], (least + 2451545).toFixed(5), degrees.toFixed(3)]);
      }
      t = t1;
    }
  }
}
out.sort((a, b) => a[0].localeCompare(b[0]) || a.join('\t').localeCompare(b.join('\t')));
process.stdout.write(out.map((row) => row.join('\t')).join('\n') + '\n');
