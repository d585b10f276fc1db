// The large Moon: a full Moon on a black sky, north up, as it looks through
// a small telescope. The dark seas and the rayed craters sit at their real
// selenographic places so the face is recognisable.
#include "colour.h"
#include "noise.h"
#include "pictures.h"

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

namespace artgen {

namespace {

constexpr QPointF kCentre(53.0, 53.0);
constexpr double kRadius = 50.0;
constexpr float kDegree = std::numbers::pi_v<float> / 180.0f;

// Unit vector of a selenographic position, viewer along +z, north +y, east +x.
QVector3D onSphere(float latDeg, float lonDeg)
{
    const float lat = latDeg * kDegree, lon = lonDeg * kDegree;
    return {std::cos(lat) * std::sin(lon), std::sin(lat), std::cos(lat) * std::cos(lon)};
}

float angleBetween(const QVector3D& a, const QVector3D& b)
{
    return std::acos(std::clamp(QVector3D::dotProduct(a, b), -1.0f, 1.0f));
}

struct Patch
{
    float lat, lon, radiusDeg, darkness;
};

// Seas as overlapping round patches; the noise in maskAt roughens their shores.
constexpr std::array kSeas{
    Patch{33, -16, 17, 0.85f},   // Imbrium
    Patch{40, -28, 8, 0.80f},
    Patch{30, -36, 9, 0.80f},
    Patch{28, 17.5f, 10, 0.72f}, // Serenitatis
    Patch{18, 24, 5, 0.85f},
    Patch{8.5f, 31, 11, 1.0f},   // Tranquillitatis
    Patch{2, 24, 6, 0.95f},
    Patch{14, 38, 6, 0.95f},
    Patch{17, 59, 8, 1.0f},      // Crisium
    Patch{-6, 51, 9, 0.85f},     // Fecunditatis
    Patch{-2, 57, 6, 0.80f},
    Patch{-15, 35, 5, 0.85f},    // Nectaris
    Patch{13, 4, 4.5f, 0.65f},   // Vaporum
    Patch{3, 1, 3, 0.5f},        // Sinus Medii
    Patch{11, -8, 4, 0.6f},      // Sinus Aestuum
    Patch{-21, -17, 10, 0.72f},  // Nubium
    Patch{-10, -23, 6, 0.75f},   // Cognitum
    Patch{-24, -39, 6, 0.88f},   // Humorum
    Patch{8, -30, 7, 0.80f},     // Insularum
    Patch{20, -57, 17, 0.85f},   // Procellarum
    Patch{2, -52, 14, 0.82f},
    Patch{32, -50, 12, 0.80f},
    Patch{-10, -46, 9, 0.78f},
    Patch{-4, -36, 7, 0.75f},
    Patch{45, -58, 8, 0.75f},
    Patch{52, -45, 5, 0.65f},    // Sinus Roris
    Patch{56, -34, 4, 0.65f},    // Frigoris
    Patch{57, -24, 4, 0.65f},
    Patch{57, -14, 4, 0.65f},
    Patch{56, -4, 4, 0.65f},
    Patch{56, 6, 4, 0.65f},
    Patch{56, 16, 4, 0.60f},
    Patch{57, 26, 3, 0.55f},
    Patch{38, 29, 4, 0.55f},     // Lacus Somniorum
    Patch{-5, -68, 2.5f, 1.0f},  // Grimaldi
    Patch{51.5f, -9, 1.6f, 0.9f},// Plato
    Patch{13, 86, 5, 0.70f},     // Marginis / Smythii at the limb
    Patch{-2, 86, 5, 0.70f},
    Patch{57, 82, 4, 0.60f},     // Humboldtianum
};

struct Crater
{
    float lat, lon;
    float spotDeg;  // bright floor and nimbus
    float rayDeg;   // longest ray, 0 for none
    int rays;
    float brightness;
};

constexpr std::array kCraters{
    Crater{-43.3f, -11.2f, 1.6f, 70, 30, 0.40f}, // Tycho
    Crater{9.6f, -20.1f, 1.5f, 22, 16, 0.22f},   // Copernicus
    Crater{8.1f, -38.0f, 1.1f, 14, 12, 0.22f},   // Kepler
    Crater{23.7f, -47.4f, 1.3f, 6, 6, 0.55f},    // Aristarchus
    Crater{16.1f, 46.8f, 1.0f, 12, 6, 0.30f},    // Proclus
    Crater{-32.5f, 54.2f, 1.0f, 14, 7, 0.25f},   // Stevinus
    Crater{73.0f, -10.0f, 1.0f, 12, 7, 0.22f},   // Anaxagoras
    Crater{16.3f, 16.0f, 0.8f, 0, 0, 0.30f},     // Menelaus
    Crater{14.5f, 9.1f, 0.8f, 0, 0, 0.25f},      // Manilius
    Crater{-8.9f, -1.3f, 0.9f, 8, 5, 0.20f},     // near the centre
    Crater{-24.0f, -62.0f, 1.0f, 10, 6, 0.22f},  // Byrgius
    Crater{-3.0f, 67.0f, 0.8f, 6, 4, 0.20f},     // Langrenus
};

struct Ray
{
    float direction; // radians from east towards north
    float length;    // fraction of the crater's longest ray
    float width;     // radians across
};

struct RayedCrater
{
    Crater crater;
    QVector3D centre, east, north;
    std::vector<Ray> rays;
};

std::vector<RayedCrater> buildCraters()
{
    std::mt19937 rng(0x4d00u);
    auto unit = [&rng] { return float(rng()) / 4294967296.0f; };
    std::vector<RayedCrater> out;
    for (const Crater& c : kCraters) {
        RayedCrater r{c, onSphere(c.lat, c.lon), {}, {}, {}};
        r.east = QVector3D::crossProduct(QVector3D(0, 1, 0), r.centre).normalized();
        r.north = QVector3D::crossProduct(r.centre, r.east);
        for (int i = 0; i < c.rays; ++i)
            r.rays.push_back({unit() * 2.0f * std::numbers::pi_v<float>, 0.3f + 0.7f * unit(), 0.003f + 0.006f * unit()});
        out.push_back(std::move(r));
    }
    return out;
}

// Extra brightness a rayed crater adds at p.
float craterLight(const RayedCrater& r, const QVector3D& p)
{
    const float d = angleBetween(p, r.centre);
    const float spot = r.crater.spotDeg * kDegree;
    float light = 0.8f * std::exp(-(d * d) / (spot * spot)) + 0.25f * std::exp(-(d * d) / (5 * spot * spot));
    if (r.rays.empty() || d < 1e-4f)
        return r.crater.brightness * light;
    const QVector3D v = p - r.centre * QVector3D::dotProduct(p, r.centre);
    const float theta = std::atan2(QVector3D::dotProduct(v, r.north), QVector3D::dotProduct(v, r.east));
    const float reach = r.crater.rayDeg * kDegree;
    for (const Ray& ray : r.rays) {
        const float along = d / (reach * ray.length);
        if (along >= 1.0f)
            continue;
        const float turn = std::remainder(theta - ray.direction, 2.0f * std::numbers::pi_v<float>);
        const float across = d * std::sin(std::abs(turn)) / (ray.width * (1.0f + along));
        if (std::abs(turn) > std::numbers::pi_v<float> / 2)
            continue;
        const float start = smoothstep(1.0f, 3.0f, d / spot);
        light += 0.22f * start * std::exp(-across * across) * std::pow(1.0f - along, 1.5f);
    }
    return r.crater.brightness * light;
}

class MoonFace
{
public:
    MoonFace() : noise_(std::make_shared<Noise3>(0x3003u)), craters_(buildCraters()) {}

    // Brightness 0..1 of the surface at p.
    float albedo(const QVector3D& p) const
    {
        const float highland = 0.80f + 0.10f * noise_->fbm(p * 6.0f, 5) + smallCraters(p);
        const Sea sea = seaAt(p);
        const float seaFloor = 0.68f - 0.32f * sea.tone + 0.09f * noise_->fbm(p * 5.0f + QVector3D(3, 1, 2), 4);
        float a = highland + (seaFloor - highland) * sea.amount;
        for (const RayedCrater& c : craters_)
            a += craterLight(c, p);
        return a;
    }

private:
    // Fresh small craters: bright flecks where fine noise peaks.
    float smallCraters(const QVector3D& p) const
    {
        const float n = noise_->value(p * 55.0f + QVector3D(7, 3, 1));
        return 0.10f * smoothstep(0.62f, 0.9f, n);
    }

    // Each sea patch is a soft blob; summing them lets neighbours merge into
    // one irregular sea, as the real ones do, instead of a string of discs.
    struct Sea
    {
        float amount; // 0 highland .. 1 sea
        float tone;   // how dark that sea is
    };

    Sea seaAt(const QVector3D& p) const
    {
        float field = 0.0f, toneSum = 0.0f;
        for (const Patch& s : kSeas) {
            const float d = angleBetween(p, onSphere(s.lat, s.lon)) / (s.radiusDeg * kDegree);
            const float w = std::exp(-1.8f * d * d);
            field += w;
            toneSum += w * s.darkness;
        }
        const float shore = 0.18f * noise_->fbm(p * 6.0f, 3) + 0.1f * noise_->fbm(p * 18.0f, 3);
        const float amount = smoothstep(0.16f, 0.5f, field + shore);
        return {amount, field > 1e-6f ? toneSum / field : 0.0f};
    }

    std::shared_ptr<Noise3> noise_;
    std::vector<RayedCrater> craters_;
};

QColor moonColour(float brightness)
{
    const float v = clamp01(brightness);
    // A faint warm cast, as in most photographs of the full Moon.
    return QColor::fromRgbF(v, v * 0.975f, v * 0.93f);
}

} // namespace

Draw moonPhotoPicture()
{
    auto face = std::make_shared<MoonFace>();
    return [face](QImage& img, double scale) {
        img.fill(Qt::black);
        rasterize(img, scale, [face](const QPointF& pt) {
            const QPointF q = (pt - kCentre) / kRadius;
            const float x = float(q.x()), y = float(-q.y());
            const float rr = x * x + y * y;
            if (rr >= 1.0f)
                return QColor(Qt::black);
            const QVector3D p(x, y, std::sqrt(1.0f - rr));
            // The full Moon is almost evenly bright; only the last few
            // percent of the radius fade.
            const float limb = 0.82f + 0.18f * std::pow(p.z(), 0.35f);
            return moonColour(face->albedo(p) * limb);
        });
    };
}

} // namespace artgen
