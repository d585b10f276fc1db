#pragma once

#include <QColor>

#include <algorithm>

namespace artgen {

inline float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

inline float smoothstep(float edge0, float edge1, float x)
{
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

// Linear blend of two colours, alpha included; t outside [0,1] is clamped.
inline QColor mix(const QColor& a, const QColor& b, float t)
{
    t = clamp01(t);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

// Multiplies the colour channels (not alpha) by a light intensity.
inline QColor lit(const QColor& c, float intensity)
{
    return QColor::fromRgbF(clamp01(c.redF() * intensity), clamp01(c.greenF() * intensity),
                            clamp01(c.blueF() * intensity), c.alphaF());
}

} // namespace artgen
