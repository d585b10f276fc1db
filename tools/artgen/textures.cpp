#include "textures.h"

#include "colour.h"
#include "noise.h"

#include <cmath>
#include <memory>
#include <numbers>

namespace artgen {

Surface bandedSurface(QColor light, QColor dark, float frequency, float turbulence, std::uint32_t seed)
{
    auto noise = std::make_shared<Noise3>(seed);
    return [=](const QVector3D& p) {
        const float wobble = turbulence * noise->fbm(p * 3.0f, 3);
        // Two incommensurate waves keep the bands from looking ruled.
        const float phase = std::asin(p.y()) * frequency * 2.0f;
        const float wave = 0.65f * std::sin(phase + wobble * 4.0f) + 0.35f * std::sin(phase * 2.3f + 1.0f);
        return mix(light, dark, 0.5f + 0.5f * wave);
    };
}

Surface speckledSurface(QColor base, QColor dark, QColor light, float grain, std::uint32_t seed)
{
    auto noise = std::make_shared<Noise3>(seed);
    return [=](const QVector3D& p) {
        const float coarse = noise->fbm(p * grain, 4);
        const float fine = noise->value(p * grain * 5.0f + QVector3D(5, 5, 5));
        const float v = coarse * 0.8f + fine * 0.5f;
        return v < 0 ? mix(base, dark, -v * 1.6f) : mix(base, light, v * 1.6f);
    };
}

} // namespace artgen
