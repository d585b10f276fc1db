#pragma once
// Where the sky is seen from: a value handed from the window or the command
// line down to the models and the searches, never a global. The default is
// the program's original site.
#include <string>

namespace zenlith {

struct Place {
    std::string name;                        // as the user knows it; empty for the original site
    double latitudeDegrees = 32;             // geodetic, north positive, -90..90
    double longitudeDegrees = 35;            // east positive, -180..180
    double heightMetres = 0;                 // above sea level
    std::string timeZone = "Asia/Jerusalem"; // an id of the time-zone database
    friend bool operator==(const Place&, const Place&) = default;
};

// The original site: 32° N, 35° E, sea level, Israel's clock.
inline Place originalSite() { return Place{}; }

}  // namespace zenlith
