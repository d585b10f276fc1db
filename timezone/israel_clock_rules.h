#pragma once
// The site's civil clock: "Asia/Jerusalem" of the time-zone database, which
// carries Israel's year-by-year dates since 1940 and the rule for later years.
#include <QTimeZone>

#include "clock_rules.h"

namespace zenlith {

class IsraelClockRules final : public ClockRules {
public:
    IsraelClockRules();
    int offsetSecondsAt(double julianDate) const override;
    bool isSummerTimeAt(double julianDate) const override;
    // The database's version, for the About box.
    static QString databaseVersion();

private:
    QTimeZone zone_;
};

// The one the program keeps for its whole run.
const ClockRules& israelClockRules();

}  // namespace zenlith
