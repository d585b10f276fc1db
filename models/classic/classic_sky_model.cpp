#include "classic_sky_model.h"

#include <cmath>

namespace zenlith {

namespace {

// Beyond about 137,000 years from 2000 the linear elements drive Saturn's
// eccentricity towards 1, where the orbit formulas no longer give a position.
constexpr double dayNumberLimit = 5e7;

BodyPlace placeOf(const BodyResult& body) {
    BodyPlace place;
    place.Ra = body.Ra;
    place.Decl = body.Decl;
    place.Alt = body.Alt;
    place.AltAirless = body.Alt;  // the classic model has no atmosphere
    place.Az = body.Az;
    place.Rearth = body.Rearth;
    place.AngularDiameter = body.AngularDiameter;
    place.Phase = body.Phase;
    place.Mag = body.Mag;
    place.Lon = body.Lon;
    place.Lat = body.Lat;
    return place;
}

}  // namespace

void ClassicSkyModel::standAt(const Place& place) {
    place_ = place;
    engine_.site.latitudeDegrees = place.latitudeDegrees;
    engine_.site.longitudeDegrees = place.longitudeDegrees;
}

bool ClassicSkyModel::covers(double julianDate) const {
    return std::fabs(Engine::dayNumberOf(julianDate)) <= dayNumberLimit;
}

SkyPlaces ClassicSkyModel::placesAt(double julianDate) {
    engine_.setConstants();
    engine_.julianDate = julianDate;
    engine_.formDayNumber();
    engine_.computeAllBodies();
    SkyPlaces places;
    for (int k = 0; k < bodyCount; ++k) {
        places.bodies[k] = placeOf(engine_.bodyResult[k]);
    }
    places.moon = {engine_.moonLon,          engine_.moonLat,
                   engine_.moonElongation,   engine_.moonAge,
                   engine_.moonIllumination, engine_.bodyResult[moonIndex].Radius,
                   false};
    return places;
}

}  // namespace zenlith
