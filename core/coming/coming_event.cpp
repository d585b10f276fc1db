#include "coming_event.h"

#include <array>

namespace zenlith {

EventGroup groupOf(ComingKind kind) {
    switch (kind) {
    case ComingKind::newMoon:
    case ComingKind::firstQuarter:
    case ComingKind::fullMoon:
    case ComingKind::lastQuarter:
    case ComingKind::perigee:
    case ComingKind::apogee:
        return EventGroup::phases;
    case ComingKind::marchEquinox:
    case ComingKind::juneSolstice:
    case ComingKind::septemberEquinox:
    case ComingKind::decemberSolstice:
        return EventGroup::seasons;
    case ComingKind::approach:
        return EventGroup::approaches;
    case ComingKind::lunarEclipse:
    case ComingKind::solarEclipse:
        return EventGroup::eclipses;
    default:
        return EventGroup::planets;
    }
}

std::string_view eventName(ComingKind kind) {
    static constexpr std::array<std::string_view, 19> names = {
        "newMoon",      "firstQuarter",     "fullMoon",     "lastQuarter",       "marchEquinox",
        "juneSolstice", "septemberEquinox", "decemberSolstice", "conjunction",   "opposition",
        "greatestElongationEast", "greatestElongationWest", "retrogradeStart", "retrogradeEnd",
        "approach",     "perigee",          "apogee",       "lunarEclipse",      "solarEclipse"};
    return names.at(static_cast<std::size_t>(kind));
}

std::string_view eclipseKindName(EclipseKind kind) {
    static constexpr std::array<std::string_view, 5> names = {"none", "penumbral", "partial", "annular", "total"};
    return names.at(static_cast<std::size_t>(kind));
}

std::string_view contactName(ContactKind kind) {
    static constexpr std::array<std::string_view, 8> names = {"penumbralBegin", "partialBegin", "totalBegin",
                                                              "annularBegin",   "annularEnd",   "totalEnd",
                                                              "partialEnd",     "penumbralEnd"};
    return names.at(static_cast<std::size_t>(kind));
}

}  // namespace zenlith
