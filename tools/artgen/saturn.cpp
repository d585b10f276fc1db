// Saturn: a banded globe inside its rings, seen from a little above the ring
// plane, so the near half of the rings crosses the globe's lower part and the
// far half hides behind it.
#include "colour.h"
#include "pictures.h"
#include "sphere.h"
#include "textures.h"

#include <cmath>
#include <optional>

namespace artgen {

namespace {

constexpr double kTilt = 0.36;          // radians, viewer above the ring plane
constexpr double kGlobeRadius = 10.4;   // equatorial, 1x pixels
constexpr QPointF kCentre(24.5, 10.0);

// Ring colour at a radius in globe radii, transparent in the gaps.
QColor ringAt(double r)
{
    if (r < 1.24 || r > 2.27)
        return Qt::transparent;
    if (r < 1.53)
        return QColor(150, 136, 112, 60);  // faint inner ring
    if (r < 1.95)
        return QColor(226, 210, 168, 245); // bright broad ring
    if (r < 2.03)
        return QColor(60, 50, 40, 40);     // the dark division
    return QColor(198, 182, 144, 225);     // outer ring
}

struct RingHit
{
    QColor colour;
    bool nearSide;
};

std::optional<RingHit> sampleRings(const QPointF& q)
{
    // q in globe radii, y down; the ring plane is a circle squashed by sin(tilt).
    const double x = q.x(), y = q.y() / std::sin(kTilt);
    const QColor c = ringAt(std::hypot(x, y));
    if (c.alpha() == 0)
        return std::nullopt;
    return RingHit{c, y > 0};
}

// Paints `top` over `bottom`, both with straight alpha.
QColor over(const QColor& top, const QColor& bottom)
{
    const float a = top.alphaF() + bottom.alphaF() * (1 - top.alphaF());
    if (a <= 0)
        return Qt::transparent;
    auto channel = [&](float t, float b) {
        return (t * top.alphaF() + b * bottom.alphaF() * (1 - top.alphaF())) / a;
    };
    return QColor::fromRgbF(channel(top.redF(), bottom.redF()), channel(top.greenF(), bottom.greenF()),
                            channel(top.blueF(), bottom.blueF()), a);
}

SphereLook globeLook()
{
    SphereLook look;
    look.albedo = bandedSurface(QColor(236, 216, 164), QColor(192, 158, 104), 3.0f, 0.25f, 801);
    look.tilt = float(kTilt);
    look.flattening = 0.1f;
    look.ambient = 0.2f;
    return look;
}

} // namespace

Draw saturnPicture()
{
    const SphereLook look = globeLook();
    return fromSampler([look](const QPointF& p) {
        const QPointF q = (p - kCentre) / kGlobeRadius;
        const QColor globe = sampleSphere(q, look);
        const std::optional<RingHit> ring = sampleRings(q);
        if (!ring)
            return globe;
        return ring->nearSide ? over(ring->colour, globe) : over(globe, ring->colour);
    });
}

} // namespace artgen
