#pragma once
// The astronomical engine: one object that holds every cell the compute action
// shares between its steps, and the procedures that read and write them.
// All angles are degrees; radians exist only at the call of a trigonometric
// function. Results are left in named cells, never returned, because later
// steps read them by name (the Moon reads the Sun's cells, and so on).

#include <array>
#include <cstdint>
#include <string>

#include "body_result.h"

namespace zenlith {

// Which 16-bit calendar cell a date would overflow, if any.
enum class CalendarOverflow { none, dayOfYear, century };

// Where the engine stands and the civil clock its dates are read on: the
// original site unless the engine's owner says otherwise.
struct EngineSite {
    double latitudeDegrees = 32;   // north positive
    double longitudeDegrees = 35;  // east positive
    double winterZoneHours = 2;    // the clock ahead of universal time, summer box clear
    double summerZoneHours = 3;    // and ticked
};

// The date and time as read from the fields, in the cells they are held in.
struct CivilInstant {
    float year = 0;
    float month = 0;
    float day = 0;
    float hour = 0;
    std::int16_t minute = 0;
    bool summerTime = false;
};

class Engine {
public:
    EngineSite site;

    // ---- window-level constants, reset at the start of every compute action
    double pi = 0;
    double radToDeg = 0;
    double siteLatitude = 0;   // degrees, north positive
    double siteLongitude = 0;  // degrees, east negative
    void setConstants();

    // ---- angle procedures (angles.cpp)
    void Test(double& tst) const;    // folds into 0..360, both ends kept
    double asin(double xx) const;    // degrees, -90..90
    double acos(double xxx) const;   // degrees, 0..180
    double atn2(double x1, double y1) const;  // x first; degrees, (-180, 180]
    void ret(double ind);            // cut to two decimals into retValue, see display_cut.h
    double retValue = 0;

    // ---- calendar (calendar.cpp)
    std::int16_t leapFactor = 0;     // 1 in a leap year, 2 otherwise
    std::int16_t dayOfYear = 0;
    double timeZoneHours = 0;
    double julianDate = 0;           // universal time
    double localDayCount = 0;
    float weekdayIndex = 0;          // 0 = Sunday
    float DayNumber = 0;             // days since JD 2451543.5
    std::string leapText;
    std::string weekdayText;
    std::string dayOfYearText;
    static bool isLeapYear(float year);
    // Steps up to the day-of-year text; shifts January and February in the
    // instant's own year and month cells, as the calendar formula needs.
    // Stops early, and says where, when a value would not fit its 16-bit cell.
    CalendarOverflow convertCalendar(CivilInstant& instant);
    void formDayNumber();
    static float dayNumberOf(double julianDate);

    // ---- Sun, obliquity, sidereal time (sun.cpp)
    double obliquity = 0;
    double sunLon = 0;
    double sunEccAnomaly = 0;
    double sunDistance = 0;
    double sunX = 0;                 // AU, geocentric ecliptic
    double sunY = 0;
    double greenwichSiderealTime = 0;
    double siderealTime = 0;         // local, not folded
    void computeSun();

    // ---- Kepler solver and horizon position (orbit.cpp)
    double eccAnomaly = 0;
    double eccAnomalyPrev = 0;
    double orbitX = 0;
    double orbitY = 0;
    double trueAnomaly = 0;
    double orbitRadius = 0;
    double hourAngle = 0;
    double sinAlt = 0;
    double altitude = 0;
    double azimuth = 0;
    double azimuthRef = 0;
    void Eccentric(double M2, double e2);
    void Anomaly(double e22, double e3, double aa);
    void Position(double RR, double DE);

    // ---- orbit to equatorial (frames.cpp)
    double eclX = 0;
    double eclY = 0;
    double eclZ = 0;
    double eclLon = 0;
    double eclLat = 0;
    double geoDistance = 0;
    double equX = 0;
    double equY = 0;
    double equZ = 0;
    double rightAscension = 0;
    double declination = 0;
    void pre(double Rpre, double Nnpre, double Vpre, double Wpre, double Ipre);

    // ---- planet bodies (planets.cpp) and the Moon (moon.cpp)
    std::array<BodyResult, bodyCount> bodyResult{};
    void computePlanet(int bodyIndex);
    double moonLon = 0;
    double moonLat = 0;
    double moonElongation = 0;
    double moonAge = 0;
    double moonIllumination = 0;
    void computeMoon();

    // The Sun, the seven planet bodies and the Moon, in that order, from the
    // DayNumber and julianDate already formed.
    void computeAllBodies();

private:
    double radians(double degrees) const { return degrees / radToDeg; }
    // From the body's mean elements to its orbit position and, through pre,
    // the frames: the part every orbiting body shares.
    void followOrbit(BodyResult& body);
    void placeOnHorizon(BodyResult& body);
};

}  // namespace zenlith
