#pragma once
// The reference days of data/reference_days.tsv (see
// tools/reference/day_events_reference.js), computed by an independent library.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zenlith::test {

struct ReferenceHorizon {
    std::optional<double> rise, riseAzimuth, transit, transitAltitude, set, setAzimuth;
};

struct ReferenceDay {
    std::string date;
    double start = 0;
    double end = 0;
    std::array<ReferenceHorizon, 9> bodies;
    std::array<std::optional<double>, 6> twilights;  // civil, nautical, astronomical; dawn then dusk
    std::array<double, 5> phases;                    // new, first quarter, full, last quarter, new
};

// The original site's days by default; another place's from data/places/.
std::vector<ReferenceDay> readReferenceDays(const std::string& path = ZENLITH_REFERENCE_DAYS);

// An event the reference has is found within the tolerance (days); one it
// lacks is not found.
void expectSameInstant(const std::optional<double>& expected, const std::optional<double>& found, double tolerance,
                       const std::string& what);

}  // namespace zenlith::test
