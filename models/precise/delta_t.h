#pragma once
// Terrestrial time from universal time: TT = UTC + ΔT, with UT1 taken equal
// to UTC.
namespace zenlith::precise {

// ΔT in seconds at an instant given as a Julian date (UTC). Inside the
// leap-second table ERFA knows (1960 to a few years after its release) it is
// ΔAT + 32.184 s; before and after, the Espenak–Meeus polynomial expressions.
// Not known (NaN) where ERFA refuses the date.
struct DeltaT {
    double seconds = 0;
    bool known = false;
};
DeltaT deltaTAt(double julianDateUtc);
double deltaTSeconds(double julianDateUtc);

// Terrestrial time as a Julian date.
double terrestrialTime(double julianDateUtc);

}  // namespace zenlith::precise
