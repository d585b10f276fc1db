#pragma once
// Three-vectors by value, so that positions can be passed around const;
// ERFA's routines take them through data().
#include <array>
#include <cmath>

namespace zenlith::precise {

using Vector = std::array<double, 3>;

struct Motion {
    Vector position;  // AU
    Vector velocity;  // AU per day
};

inline Vector operator-(const Vector& a, const Vector& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
inline Vector operator*(double s, const Vector& a) { return {s * a[0], s * a[1], s * a[2]}; }
inline double dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
inline double length(const Vector& a) { return std::sqrt(dot(a, a)); }

// A position and velocity as ERFA's pv-arrays hold them.
inline Motion motionOf(const double pv[2][3]) {
    return {{pv[0][0], pv[0][1], pv[0][2]}, {pv[1][0], pv[1][1], pv[1][2]}};
}

using Matrix = double[3][3];

inline Vector rotate(const Matrix& r, const Vector& p) {
    return {r[0][0] * p[0] + r[0][1] * p[1] + r[0][2] * p[2], r[1][0] * p[0] + r[1][1] * p[1] + r[1][2] * p[2],
            r[2][0] * p[0] + r[2][1] * p[1] + r[2][2] * p[2]};
}

}  // namespace zenlith::precise
