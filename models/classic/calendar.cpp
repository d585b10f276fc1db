// From the civil local date and time to the Julian date, the weekday, the day
// of the year and the single-precision day number.
#include <cfloat>
#include <cmath>

#include "engine.h"
#include "int16_cell.h"

namespace zenlith {

namespace {

const char* const weekdayNames[7] = {
    "יום ראשון", "יום שני", "יום שלישי", "יום רביעי", "יום חמישי", "יום שישי", "יום שבת",
};

// Whole in the sense of the single-precision cells: compared after rounding
// both the quotient and its floor to single precision.
bool isWholeQuotient(float value, double divisor) {
    const double q = value / divisor;
    return static_cast<float>(std::floor(q)) == static_cast<float>(q);
}


// At exactly local midnight the fraction of the week lands a rounding error
// below a whole number and would name the previous day; allow for that error.
float weekdayOf(double localDayCount) {
    const double s = (localDayCount - 0.5) + 1.5;
    const double q = s / 7;
    const double weekFraction = 7 * (q - std::floor(q));
    const double tolerance = 1e-7 + 64 * DBL_EPSILON * std::fabs(s);
    double index = std::floor(weekFraction + tolerance);
    if (index >= 7) {
        index = 0;
    }
    return static_cast<float>(index);
}

}  // namespace

bool Engine::isLeapYear(float year) {
    if (!isWholeQuotient(year, 100)) {
        return isWholeQuotient(year, 4);
    }
    return isWholeQuotient(year, 400);
}

CalendarOverflow Engine::convertCalendar(CivilInstant& instant) {
    float& Y = instant.year;
    float& M = instant.month;
    const float D = instant.day;

    const bool leap = isLeapYear(Y);
    leapFactor = leap ? 1 : 2;
    leapText = leap ? "שנה מעוברת," : "";

    const auto ordinal = toInt16Cell(std::floor(275.0 * M / 9) - leapFactor * std::floor((M + 9.0) / 12) + D - 30);
    if (!ordinal) {
        return CalendarOverflow::dayOfYear;
    }
    dayOfYear = *ordinal;

    if (M == 1 || M == 2) {
        Y = static_cast<float>(Y - 1.0);
        M = static_cast<float>(M + 12.0);
    }

    const auto century = toInt16Cell(std::floor(Y / 100.0));
    if (!century) {
        return CalendarOverflow::century;
    }
    const std::int16_t A = *century;
    // Always fits: a quarter of A plus 2 - A stays within 16 bits.
    std::int16_t B = *toInt16Cell(std::floor(A / 4.0) + (2 - A));
    // The Julian calendar ends here at 1524.5, not at the 1582 reform.
    if (Y < 1524.5) {
        B = 0;
    }

    timeZoneHours = instant.summerTime ? site.summerZoneHours : site.winterZoneHours;

    const double J = std::floor(365.25 * (Y + 4716.0)) + std::floor(30.6001 * (M + 1.0)) + D +
                     (instant.minute / 60.0 + instant.hour) / 24 + B - 1524.5;
    julianDate = J - timeZoneHours / 24.0;
    localDayCount = (julianDate + 0.5) + timeZoneHours / 24.0;

    weekdayIndex = weekdayOf(localDayCount);
    const int weekday = static_cast<int>(weekdayIndex);
    weekdayText = weekday >= 0 && weekday < 7 ? weekdayNames[weekday] : "";

    dayOfYearText = ", היום ה- " + std::to_string(dayOfYear) + " מתחילת השנה";
    return CalendarOverflow::none;
}

float Engine::dayNumberOf(double julianDate) { return static_cast<float>(julianDate - 2451543.5); }

void Engine::formDayNumber() { DayNumber = dayNumberOf(julianDate); }

}  // namespace zenlith
