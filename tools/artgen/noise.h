#pragma once

#include <QVector3D>

#include <array>
#include <cstdint>

namespace artgen {

// Smooth 3-D value noise. The lattice comes from a fixed seed so every run
// draws the same pictures.
class Noise3
{
public:
    explicit Noise3(std::uint32_t seed);

    // Roughly in [-1, 1], continuous in p.
    float value(const QVector3D& p) const;
    // Sum of octaves with halving amplitude; roughly in [-1, 1].
    float fbm(const QVector3D& p, int octaves) const;

private:
    float lattice(int x, int y, int z) const;

    std::array<std::uint8_t, 256> perm_{};
};

} // namespace artgen
