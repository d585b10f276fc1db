#include "clock.h"

#include <QDateTime>
#include <cstdio>

#include "zone_clock_rules.h"
#include "summer_time.h"

namespace zenlith {

namespace {

constexpr double julianDateOfUnixEpoch = 2440587.5;

// Whole seconds, so that the clock's reading is never rounded up.
LocalTime israelNow() {
    const qint64 seconds = QDateTime::currentSecsSinceEpoch();
    return localTimeOf(israelClockRules(), julianDateOfUnixEpoch + static_cast<double>(seconds) / 86400);
}

}  // namespace

std::string SystemClock::dateText() const {
    const CivilDateTime now = israelNow().clock;
    char text[24];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", now.day % 100, now.month % 100, now.year % 10000);
    return text;
}

std::string SystemClock::timeText() const {
    const CivilDateTime now = israelNow().clock;
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", now.hour % 100, now.minute % 100, now.second % 100);
    return text;
}

std::optional<bool> SystemClock::summerTime() const { return israelNow().summer; }

}  // namespace zenlith
