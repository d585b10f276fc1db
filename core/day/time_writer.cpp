#include "time_writer.h"

#include "local_time.h"

namespace zenlith {

std::string_view clockRegimeName(bool summer) { return summer ? "שעון קיץ" : "שעון חורף"; }

TimeWriter::TimeWriter(const ClockRules& rules, const DaySpan& span)
    : rules_(rules),
      startSummer_(rules.isSummerTimeAt(span.start)),
      changes_(startSummer_ != rules.isSummerTimeAt(span.end)) {}

std::string TimeWriter::clock(double julianDate) const {
    const LocalTime time = localTimeOf(rules_, julianDate);
    return marked(clockText(time), time.summer);
}

std::string TimeWriter::isoDateAndClock(double julianDate) const {
    const LocalTime time = localTimeOf(rules_, julianDate);
    return marked(dateAndClockText(time), time.summer);
}

std::string TimeWriter::dateAndClock(double julianDate) const {
    const LocalTime time = localTimeOf(rules_, julianDate);
    return marked(civilDateText(time.clock.year, time.clock.month, time.clock.day) + " " + clockText(time),
                  time.summer);
}

std::string TimeWriter::marked(std::string text, bool summer) const {
    if (changes_ || summer != startSummer_) {
        text += " (" + std::string(clockRegimeName(summer)) + ")";
    }
    return text;
}

}  // namespace zenlith
