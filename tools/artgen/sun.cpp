// The Sun marker: a self-luminous globe, darker at the limb, with spots.
#include "colour.h"
#include "noise.h"
#include "pictures.h"
#include "sphere.h"

#include <array>
#include <cmath>
#include <memory>

namespace artgen {

namespace {

struct Spot
{
    QVector3D centre; // on the unit sphere, body frame
    float radius;     // umbra + penumbra, chord length
};

QColor photosphere(const QVector3D& p, const Noise3& noise)
{
    // Faint granulation so the disc is not a flat fill at 2x.
    // Towards the limb we see cooler, higher gas: dimmer and more orange.
    const QColor centre(255, 244, 178), limb(246, 176, 84);
    const float grain = noise.value(p * 14.0f) * 0.05f;
    QColor c = lit(mix(limb, centre, std::sqrt(clamp01(p.z()))), 1.0f + grain);

    static const std::array spots{
        Spot{QVector3D(-0.30f, 0.25f, 0.92f).normalized(), 0.13f},
        Spot{QVector3D(0.38f, -0.20f, 0.90f).normalized(), 0.10f},
        Spot{QVector3D(0.20f, -0.28f, 0.94f).normalized(), 0.07f},
    };
    for (const Spot& s : spots) {
        const float d = (p - s.centre).length() / s.radius;
        c = mix(c, QColor(196, 150, 70), smoothstep(1.0f, 0.75f, d)); // penumbra
        c = mix(c, QColor(92, 56, 24), smoothstep(0.55f, 0.35f, d));  // umbra
    }
    return c;
}

} // namespace

Draw sunPicture()
{
    auto noise = std::make_shared<Noise3>(11);
    SphereLook look;
    look.albedo = [noise](const QVector3D& p) { return photosphere(p, *noise); };
    look.emissive = true;
    look.limbDarkening = 0.3f;
    return fromSampler(sphereSampler({14.5, 14.5}, 14.0, look));
}

} // namespace artgen
