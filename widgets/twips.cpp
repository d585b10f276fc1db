#include "twips.h"

#include <cmath>

namespace zenlith {

int pixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

QRect pixelRect(const TwipsBox& box) {
    return {pixelsFromTwips(box.left), pixelsFromTwips(box.top), pixelsFromTwips(box.width),
            pixelsFromTwips(box.height)};
}

}  // namespace zenlith
