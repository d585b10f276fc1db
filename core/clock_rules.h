#pragma once
// The civil clock of the site, as the time-zone database gives it, behind a
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
};

// A clock that never changes: the offset the summer-time box claims, or a
// test's plain clock.
class FixedClockRules final : public ClockRules {
public:
    FixedClockRules(int offsetSeconds, bool summer) : offsetSeconds_(offsetSeconds), summer_(summer) {}
    int offsetSecondsAt(double) const override { return offsetSeconds_; }
    bool isSummerTimeAt(double) const override { return summer_; }

private:
    int offsetSeconds_;
    bool summer_;
};

}  // namespace zenlith
