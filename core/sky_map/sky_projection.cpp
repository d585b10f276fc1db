#include "sky_projection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zenlith::sky_map {

namespace {

constexpr double degree = std::numbers::pi / 180;

}  // namespace

SkyProjection SkyProjection::strip(double widthPixels, double heightPixels) {
    SkyProjection p;
    p.kind_ = ProjectionKind::horizonStrip;
    p.width_ = widthPixels;
    p.height_ = heightPixels;
    return p;
}

SkyProjection SkyProjection::disc(double widthPixels, double heightPixels, double zoom, ViewPoint pan) {
    SkyProjection p;
    p.kind_ = ProjectionKind::disc;
    p.width_ = widthPixels;
    p.height_ = heightPixels;
    p.radius_ = std::min(widthPixels, heightPixels) / 2 * zoom;
    p.centre_ = {widthPixels / 2 + pan.x, heightPixels / 2 + pan.y};
    return p;
}

ViewPoint SkyProjection::project(HorizonPoint point) const {
    if (kind_ == ProjectionKind::horizonStrip) {
        return {point.azimuthDegrees / 360 * width_, (1 - point.altitudeDegrees / 90) * height_};
    }
    // Stereographic from the nadir: the zenith distance z lies at R·tan(z/2),
    // so the horizon (z = 90°) is the rim at R.
    const double r = radius_ * std::tan((90 - point.altitudeDegrees) * degree / 2);
    const double az = point.azimuthDegrees * degree;
    return {centre_.x - r * std::sin(az), centre_.y - r * std::cos(az)};
}

std::optional<HorizonPoint> SkyProjection::unproject(ViewPoint point) const {
    if (kind_ == ProjectionKind::horizonStrip) {
        if (width_ <= 0 || height_ <= 0 || point.x < 0 || point.x > width_ || point.y < 0 || point.y > height_) {
            return std::nullopt;
        }
        return HorizonPoint{point.x / width_ * 360, (1 - point.y / height_) * 90};
    }
    const double dx = point.x - centre_.x;
    const double dy = point.y - centre_.y;
    const double r = std::hypot(dx, dy);
    if (radius_ <= 0 || r > radius_) return std::nullopt;
    double az = std::atan2(-dx, -dy) / degree;
    if (az < 0) az += 360;
    return HorizonPoint{az, 90 - 2 * std::atan(r / radius_) / degree};
}

}  // namespace zenlith::sky_map
