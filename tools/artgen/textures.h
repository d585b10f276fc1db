#pragma once

#include <QColor>
#include <QVector3D>

#include <cstdint>
#include <functional>

namespace artgen {

using Surface = std::function<QColor(const QVector3D&)>;

// Latitude bands alternating between two colours, their edges wavy.
// `frequency` is the number of light/dark pairs from pole to pole.
Surface bandedSurface(QColor light, QColor dark, float frequency, float turbulence, std::uint32_t seed);

// Mottled ground: `base` with patches of `dark` and `light` at two scales.
Surface speckledSurface(QColor base, QColor dark, QColor light, float grain, std::uint32_t seed);

} // namespace artgen
