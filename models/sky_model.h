#pragma once
// The one question every sky model answers: where each body stands, seen from
// its place (the original site until told otherwise), at an instant given as a
// Julian date in universal time. The compute core asks it; the models do not
// know each other.
#include "place.h"
#include "sky_places.h"

namespace zenlith {

enum class ModelKind { classic, precise };

class SkyModel {
public:
    virtual ~SkyModel() = default;
    virtual ModelKind kind() const = 0;
    // Whether the model gives positions at this instant.
    virtual bool covers(double julianDate) const = 0;
    // Every body at an instant the model covers.
    virtual SkyPlaces placesAt(double julianDate) = 0;
    // Where the bodies are seen from, for every later instant.
    virtual void standAt(const Place& place) = 0;
    virtual const Place& place() const = 0;
};

}  // namespace zenlith
