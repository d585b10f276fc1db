#include "israel_clock_rules.h"

#include <QDateTime>
#include <QFile>
#include <cmath>
#include <limits>

namespace zenlith {

namespace {

constexpr double julianDateOfUnixEpoch = 2440587.5;
constexpr double millisecondsPerDay = 86400000.0;
// QDateTime holds years up to about ±292 million; the program asks for none
// beyond ±10000, and anything farther is clamped rather than overflowed.
constexpr double farthestMilliseconds = 1e17;

qint64 millisecondsOf(double julianDate) {
    double milliseconds = (julianDate - julianDateOfUnixEpoch) * millisecondsPerDay;
    if (!std::isfinite(milliseconds)) {
        milliseconds = 0;
    }
    milliseconds = std::fmax(-farthestMilliseconds, std::fmin(farthestMilliseconds, milliseconds));
    return static_cast<qint64>(std::floor(milliseconds));
}

// The clock keeps its offset and its summer flag from one transition of the
// zone to the next. Tables ask about instant after instant in order, so the
// span the last question fell in answers most questions without the
// database. One span per thread, for every instance: they are all the zone.
struct Span {
    qint64 from = 1;  // milliseconds since 1970, included; empty at first
    qint64 until = 0; // excluded
    int offsetSeconds = 0;
    bool summerTime = false;
};

const Span& spanAt(const QTimeZone& zone, qint64 milliseconds) {
    thread_local Span span;
    if (milliseconds >= span.from && milliseconds < span.until) {
        return span;
    }
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
    const QTimeZone::OffsetData previous = zone.previousTransition(at.addMSecs(1));
    const QTimeZone::OffsetData next = zone.nextTransition(at);
    span.from = previous.atUtc.isValid() ? previous.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    span.until = next.atUtc.isValid() ? next.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    span.offsetSeconds = zone.offsetFromUtc(at);
    span.summerTime = zone.isDaylightTime(at);
    return span;
}

}  // namespace

const ClockRules& israelClockRules() {
    static const IsraelClockRules rules;
    return rules;
}

IsraelClockRules::IsraelClockRules() : zone_("Asia/Jerusalem") {}

int IsraelClockRules::offsetSecondsAt(double julianDate) const {
    return spanAt(zone_, millisecondsOf(julianDate)).offsetSeconds;
}

bool IsraelClockRules::isSummerTimeAt(double julianDate) const {
    return spanAt(zone_, millisecondsOf(julianDate)).summerTime;
}

QString IsraelClockRules::databaseVersion() {
    // Debian's tzdata names its version in this file; Qt itself does not say.
    QFile file(QStringLiteral("/usr/share/zoneinfo/tzdata.zi"));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray firstLine = file.readLine().trimmed();
        if (firstLine.startsWith("# version ")) {
            return QString::fromLatin1(firstLine.mid(10));
        }
    }
    return {};
}

}  // namespace zenlith
