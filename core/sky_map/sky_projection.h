#pragma once
// How the sky map lays the sky on a flat view: the horizon strip (azimuth
// from north through east across, altitude up, as the form's chart) or the
// whole visible sky as a stereographic disc (zenith at the centre, the horizon
// as the rim, north at the top and east to the left, as one sees it looking
// up), which can be zoomed and panned.
#include <optional>

namespace zenlith::sky_map {

struct HorizonPoint {
    double azimuthDegrees;   // from north through east, 0..360
    double altitudeDegrees;  // -90..90
};

struct ViewPoint {
    double x;  // pixels from the view's left edge
    double y;  // pixels from its top edge
};

enum class ProjectionKind { horizonStrip, disc };

class SkyProjection {
public:
    // The strip fills the view, 360° across and 90° high.
    static SkyProjection strip(double widthPixels, double heightPixels);
    // The disc's horizon touches the shorter side at zoom 1; zoom magnifies
    // about the view's centre and pan moves the sky by pixels.
    static SkyProjection disc(double widthPixels, double heightPixels, double zoom = 1, ViewPoint pan = {0, 0});

    ProjectionKind kind() const { return kind_; }
    ViewPoint project(HorizonPoint point) const;
    // Nothing for a point of the view that shows no part of the sky above
    // the horizon.
    std::optional<HorizonPoint> unproject(ViewPoint point) const;

    // The disc's centre (the zenith) and the horizon's radius, in pixels.
    ViewPoint zenith() const { return centre_; }
    double horizonRadius() const { return radius_; }
    double width() const { return width_; }
    double height() const { return height_; }

private:
    ProjectionKind kind_ = ProjectionKind::disc;
    double width_ = 0;
    double height_ = 0;
    ViewPoint centre_{0, 0};
    double radius_ = 0;
};

}  // namespace zenlith::sky_map
