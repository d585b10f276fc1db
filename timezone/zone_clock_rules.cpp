#include "zone_clock_rules.h"

#include <QDateTime>
#include <QFile>
#include <cmath>
#include <limits>
#include <optional>

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
// database. One span per thread, kept for the zone last asked about.
struct Span {
    QByteArray zoneId;
    qint64 from = 1;  // milliseconds since 1970, included; empty at first
    qint64 until = 0; // excluded
    int offsetSeconds = 0;
    bool summerTime = false;
};

const Span& spanAt(const QTimeZone& zone, qint64 milliseconds) {
    thread_local Span span;
    if (milliseconds >= span.from && milliseconds < span.until && span.zoneId == zone.id()) {
        return span;
    }
    span.zoneId = zone.id();
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
    const QTimeZone::OffsetData previous = zone.previousTransition(at.addMSecs(1));
    const QTimeZone::OffsetData next = zone.nextTransition(at);
    span.from = previous.atUtc.isValid() ? previous.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    span.until = next.atUtc.isValid() ? next.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    span.offsetSeconds = zone.offsetFromUtc(at);
    span.summerTime = zone.isDaylightTime(at);
    return span;
}

// The offset the zone will next keep on summer time under its present rules;
// a year of transitions is enough to meet it where there is one.
std::optional<int> nextSummerOffset(const QTimeZone& zone, const QDateTime& now) {
    if (zone.isDaylightTime(now)) {
        return zone.offsetFromUtc(now);
    }
    QDateTime after = now;
    for (int n = 0; n < 4; ++n) {
        const QTimeZone::OffsetData next = zone.nextTransition(after);
        if (!next.atUtc.isValid()) {
            break;
        }
        if (next.daylightTimeOffset > 0) {
            return next.offsetFromUtc;
        }
        after = next.atUtc;
    }
    return std::nullopt;
}

constexpr int hourSeconds = 3600;

}  // namespace

const ClockRules& israelClockRules() {
    static const ZoneClockRules rules{QTimeZone("Asia/Jerusalem")};
    return rules;
}

std::unique_ptr<ZoneClockRules> ZoneClockRules::open(std::string_view zoneId) {
    const QByteArray id(zoneId.data(), static_cast<qsizetype>(zoneId.size()));
    if (id.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(id)) {
        return nullptr;
    }
    QTimeZone zone(id);
    if (!zone.isValid()) {
        return nullptr;
    }
    return std::make_unique<ZoneClockRules>(std::move(zone));
}

ZoneClockRules::ZoneClockRules(QTimeZone zone) : zone_(std::move(zone)) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const std::optional<int> nextSummer = nextSummerOffset(zone_, now);
    // By today's rules: Iceland kept summer time until 1968, and keeps none now.
    keepsSummerTime_ = nextSummer.has_value();
    standardOffset_ = zone_.standardTimeOffset(now);
    // A zone without summer time today still takes the box for past dates:
    // an hour on, as the original's box adds.
    summerOffset_ = nextSummer.value_or(standardOffset_ + hourSeconds);
}

int ZoneClockRules::offsetSecondsAt(double julianDate) const {
    return spanAt(zone_, millisecondsOf(julianDate)).offsetSeconds;
}

bool ZoneClockRules::isSummerTimeAt(double julianDate) const {
    return spanAt(zone_, millisecondsOf(julianDate)).summerTime;
}

QString ZoneClockRules::databaseVersion() {
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
