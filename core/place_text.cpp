#include "place_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zenlith {

namespace {

std::string degreesText(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", std::fabs(degrees));
    std::string trimmed = text;
    trimmed.erase(trimmed.find_last_not_of('0') + 1);
    if (trimmed.back() == '.') {
        trimmed.pop_back();
    }
    return trimmed + "°";
}

}  // namespace

std::string coordinatesText(const Place& place) {
    return degreesText(place.latitudeDegrees) + (place.latitudeDegrees < 0 ? " דרום, " : " צפון, ") +
           degreesText(place.longitudeDegrees) + (place.longitudeDegrees < 0 ? " מערב" : " מזרח");
}

std::string placeText(const Place& place) {
    std::string text = place.name.empty() ? "" : place.name + ", ";
    text += coordinatesText(place);
    if (place.heightMetres != 0) {
        char height[32];
        std::snprintf(height, sizeof height, ", גובה %.0f מ׳", place.heightMetres);
        text += height;
    }
    return text;
}

std::string isoOffsetText(int offsetSeconds) {
    const int minutes = std::abs(offsetSeconds) / 60;
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d", offsetSeconds < 0 ? '-' : '+', minutes / 60 % 100, minutes % 60);
    return text;
}

std::string utcOffsetText(int offsetSeconds) {
    const int minutes = std::abs(offsetSeconds) / 60;
    char text[24];
    if (minutes % 60 == 0) {
        std::snprintf(text, sizeof text, "UTC%c%d", offsetSeconds < 0 ? '-' : '+', minutes / 60 % 100);
    } else {
        std::snprintf(text, sizeof text, "UTC%c%d:%02d", offsetSeconds < 0 ? '-' : '+', minutes / 60 % 100, minutes % 60);
    }
    return text;
}

}  // namespace zenlith
