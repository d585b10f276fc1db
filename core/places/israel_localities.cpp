#include "israel_localities.h"

#include <charconv>
#include <string_view>

#include "israel_localities_rows.h"

namespace zenlith {

namespace {

std::vector<std::string_view> tabFields(std::string_view row) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = row.find('\t', start);
        fields.push_back(row.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

double number(std::string_view text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Rows are hebrew, english, latitude, longitude, height in metres, zone.
PlaceEntry entryOf(std::string_view row) {
    const std::vector<std::string_view> f = tabFields(row);
    if (f.size() != 6) return {};
    PlaceEntry entry{std::string(f[0]), std::string(f[1]), {}};
    entry.place = {std::string(f[0]), number(f[2]), number(f[3]), number(f[4]), std::string(f[5])};
    return entry;
}

}  // namespace

const std::vector<PlaceEntry>& israelLocalities() {
    static const std::vector<PlaceEntry> entries = [] {
        std::vector<PlaceEntry> all;
        for (const std::string_view row : israelLocalityRows) {
            if (PlaceEntry entry = entryOf(row); !entry.english.empty()) all.push_back(std::move(entry));
        }
        return all;
    }();
    return entries;
}

}  // namespace zenlith
