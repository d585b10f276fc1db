#pragma once
// Everything the sky map draws, laid out for one view: the stars to the
// magnitude limit above the horizon, the constellation figures, the bodies
// and the labels, with no toolkit; the window only paints it.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "label_placement.h"
#include "sky_places.h"
#include "sky_projection.h"
#include "star_positions.h"

namespace zenlith::sky_map {

struct PixelSize {
    double width, height;
};

struct SceneOptions {
    double magnitudeLimit = 6.5;
    bool figures = true;             // constellation lines
    bool constellationNames = true;
    bool starNames = true;
    // Each body's picture, in BodyIndex order.
    std::array<PixelSize, bodyCount> bodySizes = [] {
        std::array<PixelSize, bodyCount> sizes;
        sizes.fill({16, 16});
        return sizes;
    }();
    // The size of a label's text in the view's font, pixels.
    std::function<double(std::string_view)> textWidth;
    double textHeight = 12;
};

struct SceneStar {
    std::size_t catalogueIndex;
    ViewPoint at;
    double radiusPixels;  // by magnitude
};

struct SceneLine {
    ViewPoint from, to;
};

struct SceneBody {
    int bodyIndex;
    ViewPoint at;
};

enum class LabelKind { body, star, constellation };

struct SceneLabel {
    LabelKind kind;
    std::string_view text;
    Box box;
};

struct SkyScene {
    std::vector<SceneStar> stars;        // faintest first, so bright ones are painted over
    std::vector<SceneLine> figureLines;
    std::vector<SceneBody> bodies;       // above the horizon, the Moon last
    std::vector<SceneLabel> labels;
};

// A star's dot radius in pixels by its magnitude: a magnitude-6 star is a
// pixel wide, Sirius nearly eight.
double starRadiusPixels(double magnitude);

SkyScene composeScene(const SkyProjection& projection, std::span<const stars::HorizontalPlace> stars,
                      const SkyPlaces& bodies, const SceneOptions& options);

// What lies under a point of the view, within a few pixels: a body, or else
// the brightest star there.
struct SceneObject {
    std::optional<int> bodyIndex;
    std::optional<std::size_t> catalogueIndex;
};
std::optional<SceneObject> objectAt(const SkyScene& scene, ViewPoint point, const SceneOptions& options);

}  // namespace zenlith::sky_map
