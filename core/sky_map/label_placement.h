#pragma once
// Where the sky map writes its labels: beside their points, never over one
// another nor over a body's picture, inside the view. A label that finds no
// free place is left out, the least important first.
#include <optional>
#include <vector>

#include "sky_projection.h"

namespace zenlith::sky_map {

struct Box {
    double left, top, width, height;  // pixels
    bool overlaps(const Box& other) const;
    bool inside(const Box& bounds) const;
};

struct LabelRequest {
    ViewPoint anchor;       // the point the label names
    double width, height;   // of its text, pixels
    double clearance;       // from the anchor to the label's nearest edge, pixels (a body's half size)
};

// Requests in the order of importance; for each, its box or nothing. No two
// boxes overlap, none overlaps an obstacle, each lies within bounds, and its
// nearest edge is within 4 clearances and 6 pixels of its point across and up.
std::vector<std::optional<Box>> placeLabels(const std::vector<LabelRequest>& requests,
                                            const std::vector<Box>& obstacles, const Box& bounds);

}  // namespace zenlith::sky_map
