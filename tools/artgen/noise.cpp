#include "noise.h"

#include <cmath>
#include <numeric>
#include <random>
#include <utility>

namespace artgen {

Noise3::Noise3(std::uint32_t seed)
{
    std::iota(perm_.begin(), perm_.end(), 0);
    // Raw engine output rather than a distribution: distributions differ
    // between standard libraries, the engine's sequence does not.
    std::mt19937 rng(seed);
    for (std::size_t i = perm_.size() - 1; i > 0; --i)
        std::swap(perm_[i], perm_[rng() % (i + 1)]);
}

float Noise3::lattice(int x, int y, int z) const
{
    const auto h = perm_[(perm_[(perm_[x & 255] + y) & 255] + z) & 255];
    return h / 127.5f - 1.0f;
}

float Noise3::value(const QVector3D& p) const
{
    const float fx = std::floor(p.x()), fy = std::floor(p.y()), fz = std::floor(p.z());
    const int x = int(fx), y = int(fy), z = int(fz);
    auto fade = [](float t) { return t * t * (3.0f - 2.0f * t); };
    const float u = fade(p.x() - fx), v = fade(p.y() - fy), w = fade(p.z() - fz);
    auto lerp = [](float a, float b, float t) { return a + (b - a) * t; };
    auto row = [&](int dy, int dz) { return lerp(lattice(x, y + dy, z + dz), lattice(x + 1, y + dy, z + dz), u); };
    return lerp(lerp(row(0, 0), row(1, 0), v), lerp(row(0, 1), row(1, 1), v), w);
}

float Noise3::fbm(const QVector3D& p, int octaves) const
{
    float sum = 0.0f, amplitude = 0.5f, norm = 0.0f;
    QVector3D q = p;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * value(q);
        norm += amplitude;
        amplitude *= 0.5f;
        q = q * 2.03f + QVector3D(17.1f, 3.7f, 9.3f);
    }
    return sum / norm;
}

} // namespace artgen
