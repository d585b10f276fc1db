#pragma once

#include "raster.h"

#include <QColor>
#include <QPointF>
#include <QVector3D>

#include <functional>

namespace artgen {

// How a globe looks: its surface colour and how it is lit.
struct SphereLook
{
    // Surface colour at a point of the unit sphere in the body's own frame
    // (y towards the north pole, z towards the viewer before tilting).
    std::function<QColor(const QVector3D&)> albedo;
    // Direction towards the light in the view frame (x right, y up, z out).
    QVector3D light{-0.45f, 0.45f, 0.77f};
    float ambient = 0.2f;
    // Strength of a soft highlight; 0 for a matte body.
    float gloss = 0.0f;
    // Self-luminous bodies ignore the light and dim towards the limb instead.
    bool emissive = false;
    float limbDarkening = 0.0f;
    // Pole tipped towards the viewer, radians.
    float tilt = 0.0f;
    // Polar radius = (1 - flattening) * equatorial radius.
    float flattening = 0.0f;
};

// Colour of the globe at p, given relative to its centre in units of the
// equatorial radius with y pointing down; transparent off the disc.
QColor sampleSphere(const QPointF& p, const SphereLook& look);

// The globe centred at `centre` with the given equatorial radius (1x units).
Sampler sphereSampler(QPointF centre, double radius, SphereLook look);

} // namespace artgen
