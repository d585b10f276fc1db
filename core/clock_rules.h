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

}  // namespace zenlith
