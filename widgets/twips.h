#pragma once
// Control geometry is kept in twips, the unit the layout tables are written
// in; this is the one place where twips become logical pixels. Qt scales
// logical pixels to high-DPI screens by itself.
#include <QRect>
#include <string_view>

namespace zenlith {

inline constexpr double twipsPerPixel = 15;

// One control's place inside its container: Left, Top, Width, Height.
struct TwipsBox {
    std::string_view name;
    int left;
    int top;
    int width;
    int height;
};

int pixelsFromTwips(double twips);
QRect pixelRect(const TwipsBox& box);

}  // namespace zenlith
