#include "report.h"

#include <array>

#include "number_text.h"

namespace zenlith {

namespace {

constexpr std::string_view degree = "°";
constexpr std::string_view lineBreak = "\r\n";

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

// The report shows every figure cut to two decimals, and the cut values
// replace the stored ones.
void cutShownValues(Engine& engine) {
    auto cut = [&engine](double& value) {
        engine.ret(value);
        value = engine.retValue;
    };
    for (int k = 0; k < bodyCount; ++k) {
        BodyResult& body = engine.bodyResult[k];
        for (double* value : {&body.Ra, &body.Decl, &body.Az, &body.Alt}) {
            cut(*value);
        }
        if (k >= firstPlanet && k <= lastPlanet) {
            for (double* value : {&body.Rearth, &body.Mag, &body.Phase, &body.AngularDiameter, &body.Lon, &body.Lat}) {
                cut(*value);
            }
        }
    }
    for (double* value : {&engine.moonAge, &engine.moonLon, &engine.moonLat, &engine.moonIllumination}) {
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

void writeSunLine(LineWriter& out, const BodyResult& sun) {
    out << "שמש " << "    Ra = " << sun.Ra << degree << "  ,  " << "    Decl = " << sun.Decl << degree << " , "
        << "    Az = " << sun.Az << degree << "  ,  " << "    Alt = " << sun.Alt << degree << "   :  Sun";
}

void writePlanetLine(LineWriter& out, const BodyResult& body, const PlanetNames& names) {
    out << names.hebrew << " Rearth = " << body.Rearth << " AU" << " , " << " Mag = " << body.Mag << " , "
        << " Phase =" << body.Phase << degree << " , " << "AngularDiameter = " << body.AngularDiameter
        << names.diameterMark << " , " << " Ra = " << body.Ra << degree << " , " << " Decl = " << body.Decl << degree
        << " , " << " Lon = " << body.Lon << degree << " , " << " Lat = " << body.Lat << degree << " , "
        << " Az = " << body.Az << degree << " , " << " Alt = " << body.Alt << degree << names.english;
}

void writeMoonLine(LineWriter& out, const Engine& engine) {
    const BodyResult& moon = engine.bodyResult[moonIndex];
    out << "ירח " << " Ra =" << moon.Ra << degree << " , " << " Decl =" << moon.Decl << degree << " , " << " Lon ="
        << engine.moonLon << degree << " , " << " Lat =" << engine.moonLat << degree << " , " << " Az =" << moon.Az
        << degree << " , " << " Alt =" << moon.Alt << degree << " , " << " Age (in days) =" << engine.moonAge
        << " , " << " Phase =" << engine.moonIllumination << degree << " : Moon";
}

}  // namespace

std::string buildReport(Engine& engine, std::string_view decimalSeparator) {
    cutShownValues(engine);
    LineWriter out(decimalSeparator);
    writeSunLine(out, engine.bodyResult[sunIndex]);
    for (int k = firstPlanet; k <= lastPlanet; ++k) {
        out << lineBreak;
        writePlanetLine(out, engine.bodyResult[k], planetNames[k - firstPlanet]);
    }
    out << lineBreak;
    writeMoonLine(out, engine);
    return out.take();
}

}  // namespace zenlith
