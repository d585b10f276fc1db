#include "place_catalogue.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "israel_localities.h"
#include "world_cities.h"

namespace zenlith {

namespace {

enum class Match { none, whole, start, word };

Match matchOf(const std::string& key, const std::string& typed) {
    if (typed.empty() || key.size() < typed.size()) return Match::none;
    if (key == typed) return Match::whole;
    if (key.starts_with(typed)) return Match::start;
    for (std::size_t space = key.find(' '); space != std::string::npos; space = key.find(' ', space + 1)) {
        if (key.compare(space + 1, typed.size(), typed) == 0) return Match::word;
    }
    return Match::none;
}

Match bestOf(Match a, Match b) {
    if (a == Match::none) return b;
    if (b == Match::none) return a;
    return std::min(a, b);
}

// Hebrew points and accents, U+0591..U+05C7, are D6 91..D7 87 in UTF-8.
bool isHebrewPoint(unsigned char lead, unsigned char next) {
    return (lead == 0xD6 && next >= 0x91) || (lead == 0xD7 && next <= 0x87);
}

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

}  // namespace

std::string searchKey(std::string_view text) {
    std::string key;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto c = static_cast<unsigned char>(text[k]);
        const auto next = k + 1 < text.size() ? static_cast<unsigned char>(text[k + 1]) : 0;
        if ((c == 0xD6 || c == 0xD7) && next && isHebrewPoint(c, next)) {
            ++k;
        } else if (c == 0xD7 && (next == 0xB3 || next == 0xB4)) {  // geresh, gershayim
            key += next == 0xB3 ? '\'' : '"';
            ++k;
        } else if (c == '-' || c == '_' || c == '\t') {
            key += ' ';
        } else {
            key += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        }
    }
    return key;
}

PlaceCatalogue::PlaceCatalogue(std::vector<PlaceEntry> entries) : entries_(std::move(entries)) {
    keys_.reserve(entries_.size());
    for (const PlaceEntry& entry : entries_) keys_.push_back({searchKey(entry.hebrew), searchKey(entry.english)});
}

PlaceCatalogue PlaceCatalogue::standard(const std::string& zoneInfo) {
    std::vector<PlaceEntry> all = israelLocalities();
    const std::size_t localities = all.size();
    // A zone city that is also a locality (Jerusalem) is listed once, as the
    // locality, which has its height.
    for (PlaceEntry& city : worldCities(zoneInfo)) {
        const auto same = [&city](const PlaceEntry& locality) {
            return locality.english == city.english && locality.place.timeZone == city.place.timeZone;
        };
        if (std::none_of(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(localities), same)) {
            all.push_back(std::move(city));
        }
    }
    return PlaceCatalogue(std::move(all));
}

std::vector<const PlaceEntry*> PlaceCatalogue::search(std::string_view text, std::size_t limit) const {
    const std::string typed = searchKey(text);
    std::vector<std::pair<Match, std::size_t>> found;
    for (std::size_t n = 0; n < entries_.size(); ++n) {
        const Match match = bestOf(matchOf(keys_[n].hebrew, typed), matchOf(keys_[n].english, typed));
        if (match != Match::none) found.emplace_back(match, n);
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const PlaceEntry*> result;
    for (std::size_t k = 0; k < found.size() && k < limit; ++k) result.push_back(&entries_[found[k].second]);
    return result;
}

const PlaceEntry* PlaceCatalogue::unique(std::string_view text) const {
    const std::string typed = searchKey(text);
    const PlaceEntry* only = nullptr;
    std::size_t beginnings = 0;
    for (std::size_t n = 0; n < entries_.size(); ++n) {
        const Match match = bestOf(matchOf(keys_[n].hebrew, typed), matchOf(keys_[n].english, typed));
        if (match == Match::whole) return &entries_[n];
        if (match == Match::start) {
            only = &entries_[n];
            ++beginnings;
        }
    }
    return beginnings == 1 ? only : nullptr;
}

const PlaceEntry* PlaceCatalogue::nearestZoneCity(double latitudeDegrees, double longitudeDegrees) const {
    const PlaceEntry* nearest = nullptr;
    double largestCosine = -2;
    const double lat = radians(latitudeDegrees);
    for (const PlaceEntry& entry : entries_) {
        const std::string zoneCity = entry.place.timeZone.substr(entry.place.timeZone.rfind('/') + 1);
        if (searchKey(zoneCity) != searchKey(entry.english)) continue;
        const double other = radians(entry.place.latitudeDegrees);
        const double cosine = std::sin(lat) * std::sin(other) + std::cos(lat) * std::cos(other) *
                                  std::cos(radians(longitudeDegrees - entry.place.longitudeDegrees));
        if (cosine > largestCosine) {
            largestCosine = cosine;
            nearest = &entry;
        }
    }
    return nearest;
}

}  // namespace zenlith
