// Compares a model's probe output with astronomy-engine, an
// independent library (VSOP87 planets, a fuller lunar theory, its own
// reductions). Reads the probe's JSON lines on standard input; prints, per
// body, the largest and the median angle between the two libraries' airless
// topocentric directions, in arc-minutes, and the same for the Moon's age in
// seconds. Run through check.sh, which installs the library outside the tree.
'use strict';
const A = require('astronomy-engine');
const readline = require('readline');

const site = new A.Observer(32, 35, 0);
const names = ['Sun', 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Moon'];
const errors = names.map(() => []);
const ageErrors = [];
const rad = Math.PI / 180;

function separationMinutes(az1, alt1, az2, alt2) {
    const c = Math.sin(alt1 * rad) * Math.sin(alt2 * rad) + Math.cos(alt1 * rad) * Math.cos(alt2 * rad) * Math.cos((az1 - az2) * rad);
    return Math.acos(Math.min(1, c)) / rad * 60;
}

// Moon ahead of the Sun in apparent (aberrated) ecliptic longitude of date, degrees in [-180, 180).
function moonAheadOfSun(time) {
    const lon = (body) => A.Ecliptic(A.GeoVector(body, time, true)).elon;
    const d = lon('Moon') - lon('Sun');
    return d - 360 * Math.floor((d + 180) / 360);
}

// The library's own search (it leaves aberration out), then secant steps on
// apparent longitudes, so that both sides mean the same instant.
function lastNewMoon(time) {
    let found = A.SearchMoonPhase(0, time.AddDays(-31), 31);
    for (let next = found; next && next.ut <= time.ut; next = A.SearchMoonPhase(0, next.AddDays(1), 31)) {
        found = next;
    }
    let t0 = found.AddDays(-0.01), t1 = found;
    for (let n = 0; n < 6; ++n) {
        const f0 = moonAheadOfSun(t0), f1 = moonAheadOfSun(t1);
        if (f1 === f0) break;
        const t2 = t1.AddDays(-f1 * (t1.ut - t0.ut) / (f1 - f0));
        t0 = t1;
        t1 = t2;
    }
    return t1;
}

function compare(line) {
    const outcome = JSON.parse(line);
    if (outcome.refused) return;
    const time = A.MakeTime(new Date((outcome.julianDate - 2440587.5) * 86400000));
    outcome.bodies.forEach((body, k) => {
        const eq = A.Equator(names[k], time, site, true, true);
        const hor = A.Horizon(time, site, eq.ra, eq.dec, null);
        // The classic model has no atmosphere: its altitude is the airless one.
        errors[k].push(separationMinutes(body.Az, body.AltAirless ?? body.Alt, hor.azimuth, hor.altitude));
    });
    // Both ages are differences of dynamical times; ΔT cancels within a month.
    ageErrors.push(Math.abs(time.tt - lastNewMoon(time).tt - outcome.moon.age) * 86400);
}

function maxAndMedian(values) {
    const sorted = values.slice().sort((a, b) => a - b);
    return `${sorted[sorted.length - 1].toFixed(3)}  ${sorted[Math.floor(sorted.length / 2)].toFixed(3)}`;
}

const lines = [];
readline.createInterface({ input: process.stdin }).on('line', (line) => lines.push(line)).on('close', () => {
    lines.forEach(compare);
    console.log(`${errors[0].length} instants; arc-minutes, max  median`);
    names.forEach((name, k) => console.log(`${name.padEnd(8)} ${maxAndMedian(errors[k])}`));
    console.log(`Moon age, seconds: ${maxAndMedian(ageErrors)}`);
});
