#pragma once
// The civil clock of a zone of the time-zone database, which carries each
// zone's year-by-year offsets and the rule for later years.
#include <QTimeZone>
#include <memory>
#include <string_view>

#include "clock_rules.h"

namespace zenlith {

class ZoneClockRules final : public ClockRules {
public:
    // Nothing when the database is missing or does not know the zone: then
    // no civil time can be told, and universal time must not pass for it.
    static std::unique_ptr<ZoneClockRules> open(std::string_view zoneId);

    int offsetSecondsAt(double julianDate) const override;
    bool isSummerTimeAt(double julianDate) const override;
    bool keepsSummerTime() const override { return keepsSummerTime_; }
    int standardOffsetSeconds() const override { return standardOffset_; }
    int summerOffsetSeconds() const override { return summerOffset_; }

    // The database's version, for the About box.
    static QString databaseVersion();

    explicit ZoneClockRules(QTimeZone zone);

private:
    QTimeZone zone_;
    bool keepsSummerTime_ = false;
    int standardOffset_ = 0;
    int summerOffset_ = 0;
};

// The original site's clock, kept for the program's whole run. Without the
// database it keeps universal time, as Qt does for a zone it cannot find;
// the window says so before it computes on it.
const ClockRules& israelClockRules();

}  // namespace zenlith
