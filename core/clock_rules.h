#pragma once
// The civil clock of the place, as the time-zone database gives it, behind a
// seam: the window, the command line and the tests reach it only through this.
// Instants are Julian dates in universal time.

namespace zenlith {

class ClockRules {
public:
    virtual ~ClockRules() = default;
    // Seconds that the civil clock stands ahead of universal time.
    virtual int offsetSecondsAt(double julianDate) const = 0;
    // Whether summer time is in force.
    virtual bool isSummerTimeAt(double julianDate) const = 0;
    // Whether the zone has ever kept summer time: the box has a use.
    virtual bool keepsSummerTime() const = 0;
    // The offsets, seconds ahead of universal time, that the zone's present
    // rules keep without and with summer time. The classic calendar reads
    // every date on one of the two, as the original reads every date of its
    // site on UTC+2 or UTC+3.
    virtual int standardOffsetSeconds() const = 0;
    virtual int summerOffsetSeconds() const = 0;
};

// A clock that never changes: the offset the summer-time box claims, or a
// test's plain clock.
class FixedClockRules final : public ClockRules {
public:
    FixedClockRules(int offsetSeconds, bool summer) : offsetSeconds_(offsetSeconds), summer_(summer) {}
    int offsetSecondsAt(double) const override { return offsetSeconds_; }
    bool isSummerTimeAt(double) const override { return summer_; }
    // Summer time, where claimed, stands an hour ahead of the standard offset.
    bool keepsSummerTime() const override { return summer_; }
    int standardOffsetSeconds() const override { return summer_ ? offsetSeconds_ - secondsPerHour : offsetSeconds_; }
    int summerOffsetSeconds() const override { return summer_ ? offsetSeconds_ : offsetSeconds_ + secondsPerHour; }

private:
    static constexpr int secondsPerHour = 3600;
    int offsetSeconds_;
    bool summer_;
};

}  // namespace zenlith
