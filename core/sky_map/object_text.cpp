#include "object_text.h"

#include <cstdio>

#include "star_catalogue.h"
#include "star_names.h"

namespace zenlith::sky_map {

namespace {

std::string figure(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string objectTooltip(const ObjectFigures& f) {
    std::string text(f.name);
    text += "\nאזימוט " + figure("%.2f°", f.azimuthDegrees) + ", גובה " + figure("%.2f°", f.altitudeDegrees);
    text += "\nעלייה ישרה " + figure("%.2f°", f.raDegrees) + ", נטייה " + figure("%.2f°", f.declDegrees);
    if (f.magnitude) text += "\nבהירות " + figure("%.2f", *f.magnitude);
    return text;
}

std::string starName(std::size_t catalogueIndex) {
    const stars::CatalogueStar& star = stars::catalogueStars()[catalogueIndex];
    const std::string_view hebrew = stars::hebrewStarName(star.hr);
    if (!hebrew.empty()) return std::string(hebrew);
    std::string name = star.designation;
    if (!name.empty()) name += ", ";
    return name + "HR " + std::to_string(star.hr);
}

}  // namespace zenlith::sky_map
