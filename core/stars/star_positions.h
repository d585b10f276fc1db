#pragma once
// Where the catalogue's stars stand at an instant, seen from a place: their
// apparent places of date (precession, nutation and annual aberration, with
// ERFA) are kept for a day, so that a new instant only turns the sky about
// the pole and refracts, as the precise model refracts the bodies.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "place.h"

namespace zenlith::stars {

struct HorizontalPlace {
    float azimuthDegrees;    // from north through east, 0..360
    float altitudeDegrees;   // refracted
};

struct EquatorialPlace {
    double raDegrees;    // apparent, true equator and equinox of date, 0..360
    double declDegrees;
};

class StarPositions {
public:
    // Every catalogue star at an instant (Julian date, UT) seen from a place.
    void moveTo(double julianDateUt, const Place& place);

    // In the catalogue's order; valid after moveTo.
    std::span<const HorizontalPlace> horizontal() const { return horizontal_; }
    EquatorialPlace apparent(std::size_t catalogueIndex) const;

private:
    struct Direction {
        double x, y, z;  // unit vector, true equator and equinox of date
    };
    void keepPlacesOfDate(double terrestrialDay);

    std::optional<double> dayOfPlaces_;  // the TT Julian day the directions are for
    std::vector<Direction> ofDate_;
    std::vector<HorizontalPlace> horizontal_;
};

}  // namespace zenlith::stars
