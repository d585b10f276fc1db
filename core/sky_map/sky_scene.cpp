#include "sky_scene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "body_names.h"
#include "constellations.h"
#include "star_catalogue.h"
#include "star_names.h"

namespace zenlith::sky_map {

namespace {

constexpr double degree = std::numbers::pi / 180;
constexpr double labelGapPixels = 3;

bool inView(const SkyProjection& projection, ViewPoint p, double margin) {
    return p.x >= -margin && p.y >= -margin && p.x <= projection.width() + margin &&
           p.y <= projection.height() + margin;
}

HorizonPoint horizonOf(const stars::HorizontalPlace& place) {
    return {place.azimuthDegrees, place.altitudeDegrees};
}

// The strip cuts the sky at north: a line that would cross the cut is left out.
bool drawable(const SkyProjection& projection, ViewPoint a, ViewPoint b) {
    return projection.kind() == ProjectionKind::disc || std::abs(a.x - b.x) < projection.width() / 2;
}

void addStars(SkyScene& scene, const SkyProjection& projection, std::span<const stars::HorizontalPlace> places,
              std::size_t count) {
    const auto catalogue = stars::catalogueStars();
    for (std::size_t i = count; i-- > 0;) {
        if (places[i].altitudeDegrees < 0) continue;
        const ViewPoint at = projection.project(horizonOf(places[i]));
        if (inView(projection, at, 8)) scene.stars.push_back({i, at, starRadiusPixels(catalogue[i].magnitude)});
    }
}

void addFigures(SkyScene& scene, const SkyProjection& projection, std::span<const stars::HorizontalPlace> places) {
    for (const stars::Constellation& c : stars::constellations()) {
        for (const auto& run : c.figure) {
            for (std::size_t n = 1; n < run.size(); ++n) {
                const auto& a = places[run[n - 1]];
                const auto& b = places[run[n]];
                if (a.altitudeDegrees < 0 || b.altitudeDegrees < 0) continue;
                const ViewPoint from = projection.project(horizonOf(a));
                const ViewPoint to = projection.project(horizonOf(b));
                if (drawable(projection, from, to)) scene.figureLines.push_back({from, to});
            }
        }
    }
}

// Where a constellation's name goes: the mean direction of its figure's stars.
std::optional<HorizonPoint> centreOf(const stars::Constellation& c, std::span<const stars::HorizontalPlace> places) {
    double north = 0, east = 0, up = 0;
    for (const auto& run : c.figure) {
        for (const std::size_t i : run) {
            const double az = places[i].azimuthDegrees * degree;
            const double alt = places[i].altitudeDegrees * degree;
            north += std::cos(alt) * std::cos(az);
            east += std::cos(alt) * std::sin(az);
            up += std::sin(alt);
        }
    }
    const double horizontal = std::hypot(north, east);
    const double altitude = std::atan2(up, horizontal) / degree;
    if (altitude < 3) return std::nullopt;
    const double azimuth = std::atan2(east, north) / degree;
    return HorizonPoint{azimuth < 0 ? azimuth + 360 : azimuth, altitude};
}

struct PendingLabel {
    LabelKind kind;
    std::string_view text;
    LabelRequest request;
};

std::vector<PendingLabel> labelRequests(const SkyScene& scene, const SkyProjection& projection,
                                        std::span<const stars::HorizontalPlace> places, const SceneOptions& options) {
    std::vector<PendingLabel> pending;
    const auto request = [&](LabelKind kind, std::string_view text, ViewPoint at, double clearance) {
        pending.push_back({kind, text, {at, options.textWidth(text), options.textHeight, clearance}});
    };
    for (const SceneBody& b : scene.bodies) {
        const PixelSize size = options.bodySizes[static_cast<std::size_t>(b.bodyIndex)];
        request(LabelKind::body, bodyHebrewNames[static_cast<std::size_t>(b.bodyIndex)], b.at,
                std::max(size.width, size.height) / 2);
    }
    if (options.starNames) {
        const auto catalogue = stars::catalogueStars();
        // Brightest first: scene.stars runs faintest first.
        for (auto s = scene.stars.rbegin(); s != scene.stars.rend(); ++s) {
            const std::string_view name = stars::hebrewStarName(catalogue[s->catalogueIndex].hr);
            if (!name.empty()) request(LabelKind::star, name, s->at, s->radiusPixels + labelGapPixels);
        }
    }
    if (options.constellationNames) {
        for (const stars::Constellation& c : stars::constellations()) {
            const auto centre = centreOf(c, places);
            if (!centre) continue;
            const ViewPoint at = projection.project(*centre);
            if (inView(projection, at, 0)) request(LabelKind::constellation, c.hebrewName, at, 0);
        }
    }
    return pending;
}

void addLabels(SkyScene& scene, const SkyProjection& projection, std::span<const stars::HorizontalPlace> places,
               const SceneOptions& options) {
    const std::vector<PendingLabel> pending = labelRequests(scene, projection, places, options);
    std::vector<LabelRequest> requests;
    requests.reserve(pending.size());
    for (const PendingLabel& p : pending) requests.push_back(p.request);
    std::vector<Box> obstacles;
    for (const SceneBody& b : scene.bodies) {
        const PixelSize size = options.bodySizes[static_cast<std::size_t>(b.bodyIndex)];
        obstacles.push_back({b.at.x - size.width / 2, b.at.y - size.height / 2, size.width, size.height});
    }
    const auto boxes = placeLabels(requests, obstacles, {0, 0, projection.width(), projection.height()});
    for (std::size_t n = 0; n < pending.size(); ++n) {
        if (boxes[n]) scene.labels.push_back({pending[n].kind, pending[n].text, *boxes[n]});
    }
}

}  // namespace

double starRadiusPixels(double magnitude) { return std::clamp(3.6 - 0.5 * magnitude, 0.6, 8.0); }

SkyScene composeScene(const SkyProjection& projection, std::span<const stars::HorizontalPlace> places,
                      const SkyPlaces& bodies, const SceneOptions& options) {
    SkyScene scene;
    const std::size_t count = std::min(stars::starsToMagnitude(options.magnitudeLimit), places.size());
    addStars(scene, projection, places, count);
    if (options.figures && places.size() == stars::catalogueStars().size()) addFigures(scene, projection, places);
    // The Moon last, over anything it passes.
    for (const int body : {sunIndex, mercuryIndex, venusIndex, marsIndex, jupiterIndex, saturnIndex, uranusIndex,
                           neptuneIndex, moonIndex}) {
        const BodyPlace& b = bodies.bodies[body];
        if (b.Alt < 0) continue;
        const ViewPoint at = projection.project({b.Az, b.Alt});
        const PixelSize size = options.bodySizes[static_cast<std::size_t>(body)];
        if (inView(projection, at, std::max(size.width, size.height))) scene.bodies.push_back({body, at});
    }
    if (options.textWidth && (places.size() == stars::catalogueStars().size())) {
        addLabels(scene, projection, places, options);
    }
    return scene;
}

std::optional<SceneObject> objectAt(const SkyScene& scene, ViewPoint point, const SceneOptions& options) {
    const auto distance = [&](ViewPoint p) { return std::hypot(p.x - point.x, p.y - point.y); };
    // The body painted last is on top.
    for (auto b = scene.bodies.rbegin(); b != scene.bodies.rend(); ++b) {
        const PixelSize size = options.bodySizes[static_cast<std::size_t>(b->bodyIndex)];
        if (std::abs(point.x - b->at.x) <= size.width / 2 + 2 && std::abs(point.y - b->at.y) <= size.height / 2 + 2) {
            return SceneObject{b->bodyIndex, std::nullopt};
        }
    }
    // The brightest within reach: scene.stars runs faintest first.
    for (auto s = scene.stars.rbegin(); s != scene.stars.rend(); ++s) {
        if (distance(s->at) <= std::max(4.0, s->radiusPixels + 2)) return SceneObject{std::nullopt, s->catalogueIndex};
    }
    return std::nullopt;
}

}  // namespace zenlith::sky_map
