#pragma once
// The precise model behind the models' interface: ERFA's series for the Sun,
// the Moon and the planets, brought to the site with light time, aberration,
// precession–nutation, the Earth's rotation, parallax and refraction.
#include "site.h"
#include "sky_model.h"

namespace zenlith {

class PreciseSkyModel final : public SkyModel {
public:
    ModelKind kind() const override { return ModelKind::precise; }
    // The years 1000 to 2999 (coverage.h), where ERFA's routines answer.
    bool covers(double julianDate) const override;
    SkyPlaces placesAt(double julianDate) override;
    void standAt(const Place& place) override;
    const Place& place() const override { return place_; }

private:
    // The Moon's age keeps the last new Moon found: a search for rising or
    // setting asks for many instants of one lunation.
    double daysSinceNewMoon(double terrestrialTime);
    Place place_ = originalSite();
    precise::Site site_ = precise::siteOf(place_);
    double lastNewMoon_ = 0;
    bool newMoonKnown_ = false;
};

}  // namespace zenlith
