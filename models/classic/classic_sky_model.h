#pragma once
// The classic engine behind the models' interface. It computes on the engine
// it is given, so that engine's cells keep what the last instant left in them.
#include "engine.h"
#include "sky_model.h"

namespace zenlith {

class ClassicSkyModel final : public SkyModel {
public:
    explicit ClassicSkyModel(Engine& engine) : engine_(engine) {}
    ModelKind kind() const override { return ModelKind::classic; }
    bool covers(double julianDate) const override;
    SkyPlaces placesAt(double julianDate) override;
    // The engine's site follows: its latitude and longitude in the formulas.
    void standAt(const Place& place) override;
    const Place& place() const override { return place_; }

private:
    Engine& engine_;
    Place place_ = originalSite();
};

}  // namespace zenlith
