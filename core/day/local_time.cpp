#include "local_time.h"

#include <cmath>
#include <cstdio>

namespace zenlith {

LocalTime localTimeOf(const ClockRules& rules, double julianDate) {
    return {civilDateTimeOf(julianDate + rules.offsetSecondsAt(julianDate) / 86400.0),
            rules.isSummerTimeAt(julianDate)};
}

std::string clockText(const LocalTime& time) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", time.clock.hour % 100, time.clock.minute % 100);
    return text;
}

std::string dateAndClockText(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d ", time.clock.year, time.clock.month % 100,
                  time.clock.day % 100);
    return text + clockText(time);
}

std::string durationText(double days) {
    const long minutes = std::lround(days * 1440);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", minutes / 60, minutes % 60);
    return text;
}

}  // namespace zenlith
