#include "label_placement.h"

#include <array>

namespace zenlith::sky_map {

namespace {

// The places tried around an anchor, nearest and most readable first: right,
// left, above, below and the four corners, then the same farther out.
std::array<ViewPoint, 8> directions() {
    return {{{1, 0}, {-1, 0}, {0, -1}, {0, 1}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}}};
}

Box candidate(const LabelRequest& r, ViewPoint direction, double gap) {
    const double halfWidth = r.width / 2;
    const double halfHeight = r.height / 2;
    const double cx = r.anchor.x + direction.x * (gap + halfWidth);
    const double cy = r.anchor.y + direction.y * (gap + halfHeight);
    return {cx - halfWidth, cy - halfHeight, r.width, r.height};
}

bool isFree(const Box& box, const std::vector<Box>& taken, const std::vector<Box>& obstacles, const Box& bounds) {
    if (!box.inside(bounds)) return false;
    for (const Box& other : taken) {
        if (box.overlaps(other)) return false;
    }
    for (const Box& other : obstacles) {
        if (box.overlaps(other)) return false;
    }
    return true;
}

}  // namespace

bool Box::overlaps(const Box& other) const {
    return left < other.left + other.width && other.left < left + width && top < other.top + other.height &&
           other.top < top + height;
}

bool Box::inside(const Box& bounds) const {
    return left >= bounds.left && top >= bounds.top && left + width <= bounds.left + bounds.width &&
           top + height <= bounds.top + bounds.height;
}

std::vector<std::optional<Box>> placeLabels(const std::vector<LabelRequest>& requests,
                                            const std::vector<Box>& obstacles, const Box& bounds) {
    std::vector<std::optional<Box>> placed(requests.size());
    std::vector<Box> taken;
    taken.reserve(requests.size());
    for (std::size_t n = 0; n < requests.size(); ++n) {
        const LabelRequest& r = requests[n];
        for (const double step : {1.0, 2.5, 4.0}) {
            for (const ViewPoint direction : directions()) {
                const Box box = candidate(r, direction, r.clearance * step + 2 * (step - 1));
                if (isFree(box, taken, obstacles, bounds)) {
                    placed[n] = box;
                    taken.push_back(box);
                    break;
                }
            }
            if (placed[n]) break;
        }
    }
    return placed;
}

}  // namespace zenlith::sky_map
