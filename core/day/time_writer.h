#pragma once
// Times of one civil day as text, marking those not on the day's own clock
// ("שעון קיץ" / "שעון חורף"), and all of them on a day the clocks change, so
// that the repeated hour is told apart.
#include <string>

#include "clock_rules.h"
#include "day_events.h"

namespace zenlith {

std::string_view clockRegimeName(bool summer);

class TimeWriter {
public:
    TimeWriter(const ClockRules& rules, const DaySpan& span);

    bool daySummer() const { return startSummer_; }
    bool clockChanges() const { return changes_; }

    // "06:35".
    std::string clock(double julianDate) const;
    // "2024-06-06 15:37".
    std::string isoDateAndClock(double julianDate) const;
    // "06.06.2024 15:37", as the window writes dates.
    std::string dateAndClock(double julianDate) const;

private:
    std::string marked(std::string text, bool summer) const;

    const ClockRules& rules_;
    bool startSummer_;
    bool changes_;
};

}  // namespace zenlith
