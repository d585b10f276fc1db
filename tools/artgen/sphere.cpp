#include "sphere.h"

#include "colour.h"

#include <cmath>
#include <utility>

namespace artgen {

namespace {

QVector3D toBodyFrame(const QVector3D& n, float tilt)
{
    const float c = std::cos(tilt), s = std::sin(tilt);
    return {n.x(), n.y() * c + n.z() * s, -n.y() * s + n.z() * c};
}

float reflectedLight(const QVector3D& n, const SphereLook& look)
{
    if (look.emissive)
        return 1.0f - look.limbDarkening * (1.0f - n.z());
    const QVector3D l = look.light.normalized();
    const float diffuse = std::max(0.0f, QVector3D::dotProduct(n, l));
    // Half-vector highlight, viewer along +z.
    const QVector3D h = (l + QVector3D(0, 0, 1)).normalized();
    const float highlight = look.gloss * std::pow(std::max(0.0f, QVector3D::dotProduct(n, h)), 24.0f);
    return look.ambient + (1.0f - look.ambient) * diffuse + highlight;
}

} // namespace

QColor sampleSphere(const QPointF& p, const SphereLook& look)
{
    const float x = float(p.x());
    const float y = float(-p.y()) / (1.0f - look.flattening);
    const float rr = x * x + y * y;
    if (rr >= 1.0f)
        return Qt::transparent;
    const QVector3D n(x, y, std::sqrt(1.0f - rr));
    const QColor surface = look.albedo(toBodyFrame(n, look.tilt));
    return lit(surface, reflectedLight(n, look));
}

Sampler sphereSampler(QPointF centre, double radius, SphereLook look)
{
    return [centre, radius, look = std::move(look)](const QPointF& p) {
        return sampleSphere((p - centre) / radius, look);
    };
}

} // namespace artgen
