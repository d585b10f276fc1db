#pragma once
// The model's places at every instant asked for, kept while one day is
// searched: each body's search samples the same instants, and the model
// places all the bodies at once.
#include <unordered_map>

#include "sky_model.h"

namespace zenlith {

class PlacesMemo {
public:
    explicit PlacesMemo(SkyModel& model) : model_(model) {}
    const Place& place() const { return model_.place(); }
    const SkyPlaces& at(double julianDate);
    bool covers(double julianDate) const { return model_.covers(julianDate); }

private:
    SkyModel& model_;
    std::unordered_map<double, SkyPlaces> places_;
};

}  // namespace zenlith
