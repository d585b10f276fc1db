#include "star_catalogue.h"

#include <algorithm>
#include <unordered_map>

namespace zenlith::stars {

std::size_t starsToMagnitude(double magnitudeLimit) {
    const auto stars = catalogueStars();
    const auto end = std::upper_bound(stars.begin(), stars.end(), magnitudeLimit,
                                      [](double limit, const CatalogueStar& s) { return limit < s.magnitude; });
    return static_cast<std::size_t>(end - stars.begin());
}

std::optional<std::size_t> catalogueIndexOf(int hr) {
    static const auto byNumber = [] {
        std::unordered_map<int, std::size_t> map;
        const auto stars = catalogueStars();
        for (std::size_t i = 0; i < stars.size(); ++i) map.emplace(stars[i].hr, i);
        return map;
    }();
    const auto found = byNumber.find(hr);
    if (found == byNumber.end()) return std::nullopt;
    return found->second;
}

}  // namespace zenlith::stars
