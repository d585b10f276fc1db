// The small planet markers: lit globes that differ only in their surfaces.
#include "colour.h"
#include "noise.h"
#include "pictures.h"
#include "sphere.h"
#include "textures.h"

#include <memory>
#include <utility>

namespace artgen {

namespace {

// 23x23 markers with half a pixel of clear ground around the globe.
Draw markerGlobe(Surface surface, float gloss = 0.0f)
{
    SphereLook look;
    look.albedo = std::move(surface);
    look.gloss = gloss;
    return fromSampler(sphereSampler({11.5, 11.5}, 11.0, std::move(look)));
}

Surface marsSurface()
{
    auto ground = speckledSurface(QColor(196, 98, 56), QColor(112, 52, 34), QColor(222, 140, 88), 2.2f, 401);
    return [ground = std::move(ground)](const QVector3D& p) {
        // Southern polar cap, tipped slightly towards us.
        return mix(ground(p), QColor(246, 240, 232), smoothstep(-0.80f, -0.88f, p.y()));
    };
}

Surface jupiterSurface()
{
    auto bands = bandedSurface(QColor(236, 218, 184), QColor(168, 116, 78), 3.5f, 0.35f, 501);
    return [bands = std::move(bands)](const QVector3D& p) {
        // The great red spot, in the southern hemisphere, left of the meridian.
        const QVector3D spot(-0.3f, -0.34f, 0.89f);
        const float d = (p - spot.normalized()).length();
        return mix(bands(p), QColor(196, 100, 70), 0.8f * smoothstep(0.17f, 0.07f, d));
    };
}

} // namespace

Draw mercuryPicture()
{
    return markerGlobe(speckledSurface(QColor(164, 142, 120), QColor(98, 82, 68), QColor(206, 190, 170), 3.0f, 101));
}

Draw venusPicture()
{
    return markerGlobe(bandedSurface(QColor(244, 232, 196), QColor(218, 196, 148), 2.0f, 0.6f, 201), 0.15f);
}

Draw marsPicture()
{
    return markerGlobe(marsSurface());
}

Draw jupiterPicture()
{
    return markerGlobe(jupiterSurface());
}

Draw uranusPicture()
{
    return markerGlobe(bandedSurface(QColor(176, 214, 222), QColor(146, 186, 200), 1.5f, 0.2f, 601), 0.2f);
}

Draw neptunePicture()
{
    return markerGlobe(bandedSurface(QColor(74, 112, 220), QColor(40, 66, 170), 2.0f, 0.4f, 701), 0.2f);
}

} // namespace artgen
