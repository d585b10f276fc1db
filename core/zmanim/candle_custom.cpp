#include "candle_custom.h"

#include <cmath>
#include <numbers>

namespace zenlith {

namespace {

struct City {
    double latitudeDegrees, longitudeDegrees;
};

constexpr City jerusalem{31.778, 35.235};  // the Old City
constexpr City haifa{32.794, 34.990};      // the city centre
constexpr double cityRadiusKilometres = 10;
constexpr double kilometresPerDegree = 111.2;

double distanceKilometres(const Place& place, City city) {
    const double north = place.latitudeDegrees - city.latitudeDegrees;
    const double east = (place.longitudeDegrees - city.longitudeDegrees) *
                        std::cos(city.latitudeDegrees * std::numbers::pi / 180);
    return std::hypot(north, east) * kilometresPerDegree;
}

}  // namespace

std::string_view candleCustomName(CandleCustom custom) {
    switch (custom) {
    case CandleCustom::jerusalem:
        return "מנהג ירושלים";
    case CandleCustom::haifa:
        return "מנהג חיפה";
    case CandleCustom::elsewhereInIsrael:
        return "שאר הארץ";
    case CandleCustom::abroad:
        break;
    }
    return "חוץ לארץ";
}

int candleLightingMinutes(CandleCustom custom) {
    switch (custom) {
    case CandleCustom::jerusalem:
        return 40;
    case CandleCustom::haifa:
        return 30;
    case CandleCustom::elsewhereInIsrael:
        return 20;
    case CandleCustom::abroad:
        break;
    }
    return 18;
}

CandleCustom suggestedCandleCustom(const Place& place) {
    if (distanceKilometres(place, jerusalem) <= cityRadiusKilometres) {
        return CandleCustom::jerusalem;
    }
    if (distanceKilometres(place, haifa) <= cityRadiusKilometres) {
        return CandleCustom::haifa;
    }
    return place.timeZone == "Asia/Jerusalem" ? CandleCustom::elsewhereInIsrael : CandleCustom::abroad;
}

}  // namespace zenlith
