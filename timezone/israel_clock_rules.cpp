#include "israel_clock_rules.h"

#include <QDateTime>
#include <QFile>
#include <cmath>

namespace zenlith {

namespace {

constexpr double julianDateOfUnixEpoch = 2440587.5;
constexpr double millisecondsPerDay = 86400000.0;
// QDateTime holds years up to about ±292 million; the program asks for none
// beyond ±10000, and anything farther is clamped rather than overflowed.
constexpr double farthestMilliseconds = 1e17;

QDateTime instantOf(double julianDate) {
    double milliseconds = (julianDate - julianDateOfUnixEpoch) * millisecondsPerDay;
    if (!std::isfinite(milliseconds)) {
        milliseconds = 0;
    }
    milliseconds = std::fmax(-farthestMilliseconds, std::fmin(farthestMilliseconds, milliseconds));
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::floor(milliseconds)), Qt::UTC);
}

}  // namespace

const ClockRules& israelClockRules() {
    static const IsraelClockRules rules;
    return rules;
}

IsraelClockRules::IsraelClockRules() : zone_("Asia/Jerusalem") {}

int IsraelClockRules::offsetSecondsAt(double julianDate) const {
    return zone_.offsetFromUtc(instantOf(julianDate));
}

bool IsraelClockRules::isSummerTimeAt(double julianDate) const {
    return zone_.isDaylightTime(instantOf(julianDate));
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
