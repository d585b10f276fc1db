#include "report.h"

#include <array>

#include "display_cut.h"
#include "number_text.h"

namespace zenlith {

namespace {

constexpr std::string_view degree = "°";
constexpr std::string_view lineBreak = "\r\n";
constexpr std::string_view preciseModelLine = "חישוב מדויק (ERFA)";

struct PlanetNames {
    std::string_view hebrew;
    std::string_view diameterMark;  // Mercury's differs from the others
    std::string_view english;
};

const std::array<PlanetNames, 7> planetNames = {{
    {"כוכב חמה ", "'", " : Mercury"},
    {"נוגה ", "''", " : Venus"},
    {"מאדים ", "''", " : Mars"},
    {"צדק ", "''", " : Jupiter"},
    {"שבתאי ", "''", " : Saturn"},
    {"אורנוס ", "''", " : Uranus"},
    {"נפטון ", "''", " : Neptun"},
}};

// The report shows every figure cut to two decimals.
void cutShownValues(SkyPlaces& places) {
    auto cut = [](double& value) { value = cutToHundredths(value); };
    for (int k = 0; k < bodyCount; ++k) {
        BodyPlace& body = places.bodies[k];
        for (double* value : {&body.Ra, &body.Decl, &body.Az, &body.Alt}) {
            cut(*value);
        }
        if (k >= firstPlanet && k <= lastPlanet) {
            for (double* value : {&body.Rearth, &body.Mag, &body.Phase, &body.AngularDiameter, &body.Lon, &body.Lat}) {
                cut(*value);
            }
        }
    }
    for (double* value : {&places.moon.age, &places.moon.lon, &places.moon.lat, &places.moon.illumination}) {
        cut(*value);
    }
}

class LineWriter {
public:
    explicit LineWriter(std::string_view separator) : separator_(separator) {}
    LineWriter& operator<<(std::string_view piece) {
        text_ += piece;
        return *this;
    }
    LineWriter& operator<<(double value) {
        appendNumberText(text_, value, separator_);
        return *this;
    }
    std::string take() { return std::move(text_); }

private:
    std::string_view separator_;
    std::string text_;
};

void writeSunLine(LineWriter& out, const BodyPlace& sun) {
    out << "שמש " << "    Ra = " << sun.Ra << degree << "  ,  " << "    Decl = " << sun.Decl << degree << " , "
        << "    Az = " << sun.Az << degree << "  ,  " << "    Alt = " << sun.Alt << degree << "   :  Sun";
}

void writePlanetLine(LineWriter& out, const BodyPlace& body, const PlanetNames& names) {
    out << names.hebrew << " Rearth = " << body.Rearth << " AU" << " , " << " Mag = " << body.Mag << " , "
        << " Phase =" << body.Phase << degree << " , " << "AngularDiameter = " << body.AngularDiameter
        << names.diameterMark << " , " << " Ra = " << body.Ra << degree << " , " << " Decl = " << body.Decl << degree
        << " , " << " Lon = " << body.Lon << degree << " , " << " Lat = " << body.Lat << degree << " , "
        << " Az = " << body.Az << degree << " , " << " Alt = " << body.Alt << degree << names.english;
}

void writeMoonLine(LineWriter& out, const SkyPlaces& places) {
    const BodyPlace& moon = places.bodies[moonIndex];
    const MoonValues& values = places.moon;
    out << "ירח " << " Ra =" << moon.Ra << degree << " , " << " Decl =" << moon.Decl << degree << " , " << " Lon ="
        << values.lon << degree << " , " << " Lat =" << values.lat << degree << " , " << " Az =" << moon.Az
        << degree << " , " << " Alt =" << moon.Alt << degree << " , " << " Age (in days) =" << values.age
        << " , " << " Phase =" << values.illumination << degree << " : Moon";
}

}  // namespace

std::string buildReport(SkyPlaces places, ModelKind model, std::string_view decimalSeparator) {
    cutShownValues(places);
    LineWriter out(decimalSeparator);
    writeSunLine(out, places.bodies[sunIndex]);
    for (int k = firstPlanet; k <= lastPlanet; ++k) {
        out << lineBreak;
        writePlanetLine(out, places.bodies[k], planetNames[k - firstPlanet]);
    }
    out << lineBreak;
    writeMoonLine(out, places);
    if (model == ModelKind::precise) {
        out << lineBreak << preciseModelLine;
    }
    return out.take();
}

}  // namespace zenlith
