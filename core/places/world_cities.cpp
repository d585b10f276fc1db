#include "world_cities.h"

#include <unicode/locid.h>
#include <unicode/tznames.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <set>

namespace zenlith {

namespace {

// ±DD(D)MM(SS): sign, whole degrees of the given width, minutes, maybe seconds.
bool readAngle(std::string_view text, std::size_t degreeDigits, double& degrees) {
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5) return false;
    if (text[0] != '+' && text[0] != '-') return false;
    if (!std::all_of(text.begin() + 1, text.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    const auto part = [&](std::size_t from, std::size_t length) {
        return std::stoi(std::string(text.substr(from, length)));
    };
    const int whole = part(1, degreeDigits);
    const int minutes = part(1 + degreeDigits, 2);
    const int seconds = text.size() == degreeDigits + 5 ? part(3 + degreeDigits, 2) : 0;
    degrees = (text[0] == '-' ? -1 : 1) * (whole + minutes / 60.0 + seconds / 3600.0);
    return true;
}

// "America/Argentina/Buenos_Aires" names the city "Buenos Aires".
std::string englishCityOf(std::string_view zone) {
    std::string city(zone.substr(zone.rfind('/') + 1));
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

bool hasHebrewLetter(const std::string& text) {
    // Hebrew letters are U+05D0..U+05EA: D7 90..D7 AA in UTF-8.
    for (std::size_t k = 0; k + 1 < text.size(); ++k) {
        const auto lead = static_cast<unsigned char>(text[k]);
        const auto next = static_cast<unsigned char>(text[k + 1]);
        if (lead == 0xD7 && next >= 0x90 && next <= 0xAA) return true;
    }
    return false;
}

// ICU gives a name made from the zone id where its Hebrew data has none.
std::string hebrewCityOf(const icu::TimeZoneNames* names, std::string_view zone) {
    if (!names) return {};
    icu::UnicodeString city;
    names->getExemplarLocationName(icu::UnicodeString::fromUTF8(icu::StringPiece(zone.data(), static_cast<int32_t>(zone.size()))), city);
    std::string text;
    city.toUTF8String(text);
    return hasHebrewLetter(text) ? text : std::string();
}

void readZoneTable(const std::string& path, const icu::TimeZoneNames* hebrew, std::set<std::string>& seen,
                   std::vector<PlaceEntry>& cities);

}  // namespace

bool readZoneTableCoordinates(std::string_view text, double& latitudeDegrees, double& longitudeDegrees) {
    const std::size_t split = text.find_first_of("+-", 1);
    if (split == std::string_view::npos) return false;
    return readAngle(text.substr(0, split), 2, latitudeDegrees) && readAngle(text.substr(split), 3, longitudeDegrees);
}

std::vector<PlaceEntry> worldCities(const std::string& zoneInfo) {
    std::vector<PlaceEntry> cities;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::TimeZoneNames> names(icu::TimeZoneNames::createInstance(icu::Locale("he"), status));
    const icu::TimeZoneNames* hebrew = U_SUCCESS(status) ? names.get() : nullptr;
    std::set<std::string> seen;
    for (const char* table : {"/zone.tab", "/zone1970.tab"}) {
        readZoneTable(zoneInfo + table, hebrew, seen, cities);
    }
    return cities;
}

namespace {

void readZoneTable(const std::string& path, const icu::TimeZoneNames* hebrew, std::set<std::string>& seen,
                   std::vector<PlaceEntry>& cities) {
    std::ifstream table(path);
    std::string line;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        if (first == std::string::npos || second == std::string::npos) continue;
        const std::size_t third = line.find('\t', second + 1);
        const std::string zone = line.substr(second + 1, third == std::string::npos ? third : third - second - 1);
        if (!seen.insert(zone).second) continue;
        PlaceEntry entry{hebrewCityOf(hebrew, zone), englishCityOf(zone), {}};
        entry.place.timeZone = zone;
        entry.place.heightMetres = 0;
        entry.place.name = entry.hebrew.empty() ? entry.english : entry.hebrew;
        if (readZoneTableCoordinates(std::string_view(line).substr(first + 1, second - first - 1),
                                     entry.place.latitudeDegrees, entry.place.longitudeDegrees)) {
            cities.push_back(std::move(entry));
        }
    }
}

}  // namespace

}  // namespace zenlith
