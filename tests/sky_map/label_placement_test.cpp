// Label placement by its promises, over many random crowded skies: no two
// labels overlap, none covers a body, all stay in the view and beside their
// point; and with room to spare every label is placed.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "label_placement.h"

namespace zenlith::sky_map {
namespace {

struct Sky {
    std::vector<LabelRequest> requests;
    std::vector<Box> bodies;
};

Sky randomSky(std::mt19937& random, int labels, double width, double height) {
    std::uniform_real_distribution<double> x(0, width), y(0, height), textWidth(10, 90);
    Sky sky;
    for (int n = 0; n < labels; ++n) {
        const ViewPoint at{x(random), y(random)};
        const bool body = n < 9;
        sky.requests.push_back({at, textWidth(random), 12, body ? 8.0 : 3.0});
        if (body) sky.bodies.push_back({at.x - 8, at.y - 8, 16, 16});
    }
    return sky;
}

TEST(LabelPlacement, NeverOverlapsAndStaysBesideItsPoint) {
    std::mt19937 random(19);
    const Box view{0, 0, 640, 400};
    int placed = 0;
    for (int round = 0; round < 200; ++round) {
        const Sky sky = randomSky(random, 60, view.width, view.height);
        const auto boxes = placeLabels(sky.requests, sky.bodies, view);
        ASSERT_EQ(boxes.size(), sky.requests.size());
        for (std::size_t n = 0; n < boxes.size(); ++n) {
            if (!boxes[n]) continue;
            ++placed;
            const Box& box = *boxes[n];
            EXPECT_TRUE(box.inside(view));
            EXPECT_DOUBLE_EQ(box.width, sky.requests[n].width);
            for (std::size_t m = 0; m < n; ++m) {
                EXPECT_FALSE(boxes[m] && box.overlaps(*boxes[m])) << round << ": " << n << " and " << m;
            }
            for (const Box& body : sky.bodies) EXPECT_FALSE(box.overlaps(body)) << round << ": " << n;
            const ViewPoint anchor = sky.requests[n].anchor;
            const double nearestX = std::clamp(anchor.x, box.left, box.left + box.width);
            const double nearestY = std::clamp(anchor.y, box.top, box.top + box.height);
            EXPECT_LE(std::max(std::abs(nearestX - anchor.x), std::abs(nearestY - anchor.y)),
                      4 * sky.requests[n].clearance + 6 + 1e-9);
        }
    }
    // Crowded as it is, most labels find a place.
    EXPECT_GT(placed, 200 * 60 / 2);
}

TEST(LabelPlacement, PlacesEveryLabelWhenThereIsRoom) {
    std::mt19937 random(7);
    for (int round = 0; round < 100; ++round) {
        Sky sky = randomSky(random, 9, 3000, 3000);
        for (LabelRequest& r : sky.requests) {
            r.anchor.x = std::clamp(r.anchor.x, 200.0, 2800.0);
            r.anchor.y = std::clamp(r.anchor.y, 200.0, 2800.0);
        }
        sky.bodies.clear();
        for (const auto& r : sky.requests) sky.bodies.push_back({r.anchor.x - 8, r.anchor.y - 8, 16, 16});
        for (const auto& box : placeLabels(sky.requests, sky.bodies, {0, 0, 3000, 3000})) EXPECT_TRUE(box);
    }
}

}  // namespace
}  // namespace zenlith::sky_map
