#include "clock.h"

#include <QDateTime>
#include <cstdio>

namespace zenlith {

namespace {

constexpr double julianDateOfUnixEpoch = 2440587.5;

}  // namespace

// Whole seconds, so that the clock's reading is never rounded up.
LocalTime SystemClock::now() const {
    const qint64 seconds = QDateTime::currentSecsSinceEpoch();
    return localTimeOf(*rules_, julianDateOfUnixEpoch + static_cast<double>(seconds) / 86400);
}

std::string SystemClock::dateText() const {
    const CivilDateTime time = now().clock;
    char text[24];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", time.day % 100, time.month % 100, time.year % 10000);
    return text;
}

std::string SystemClock::timeText() const {
    const CivilDateTime time = now().clock;
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", time.hour % 100, time.minute % 100, time.second % 100);
    return text;
}

std::optional<bool> SystemClock::summerTime() const { return now().summer; }

}  // namespace zenlith
