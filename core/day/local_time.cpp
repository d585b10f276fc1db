#include "local_time.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zenlith {

namespace {

constexpr double minutesPerDay = 1440;

std::string dateText(const CivilDateTime& when, const char* format) {
    char text[24];
    std::snprintf(text, sizeof text, format, when.year, when.month % 100, when.day % 100);
    return text;
}

}  // namespace

std::string clockText(const LocalTime& time) {
    const CivilDateTime rounded = civilDateTimeOf(std::round(time.reading * minutesPerDay) / minutesPerDay);
    const bool sameDay = rounded.day == time.clock.day;
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", sameDay ? rounded.hour % 100 : 23, sameDay ? rounded.minute % 100 : 59);
    return text;
}

std::string dateAndClockText(const LocalTime& time) { return dateText(time.clock, "%04d-%02d-%02d ") + clockText(time); }

std::string civilDateText(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day % 100, month % 100, year);
    return text;
}

std::string isoTimeText(const ClockRules& rules, double julianDate) {
    const LocalTime local = localTimeOf(rules, julianDate);
    const int offset = rules.offsetSecondsAt(julianDate);
    const int size = std::abs(offset);
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d%c%02d:%02d", local.clock.hour % 100, local.clock.minute % 100,
                  local.clock.second % 100, offset < 0 ? '-' : '+', size / 3600 % 100, size / 60 % 60);
    std::string iso = dateText(local.clock, local.clock.year < 0 ? "%05d-%02d-%02dT" : "%04d-%02d-%02dT") + text;
    if (size % 60 != 0) {
        std::snprintf(text, sizeof text, ":%02d", size % 60);
        iso += text;
    }
    return iso;
}

std::string durationText(double days) {
    const long minutes = std::lround(days * 1440);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", minutes / 60, minutes % 60);
    return text;
}

}  // namespace zenlith
