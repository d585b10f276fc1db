// Arbitrary bytes as the six field texts, through the reading rule and the
// compute action with each model: nothing may crash, hang, or come out
// non-finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sky_calculator.h"
#include "reading_rule.h"

namespace {

zenlith::FieldTexts splitFields(std::string_view bytes) {
    std::string parts[6];
    std::size_t n = 0;
    for (const char c : bytes) {
        if (c == '\t' && n < 5) {
            ++n;
        } else {
            parts[n] += c;
        }
    }
    return {parts[0], parts[1], parts[2], parts[3], parts[4], parts[5] == "1"};
}

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void requireFinite(const zenlith::ComputeOutcome& outcome) {
    const auto* sky = std::get_if<zenlith::ComputedSky>(&outcome);
    if (!sky) {
        return;
    }
    for (const auto& body : sky->places.bodies) {
        require(std::isfinite(body.Ra) && std::isfinite(body.Decl) && std::isfinite(body.Alt) &&
                std::isfinite(body.AltAirless) && std::isfinite(body.Az));
    }
    for (const double value : {sky->places.moon.age, sky->places.moon.illumination}) {
        require(std::isfinite(value));
    }
    for (const auto& marker : sky->markers) {
        require(std::isfinite(marker.top) && std::isfinite(marker.left));
    }
    require(sky->report.find("NaN") == std::string::npos && sky->report.find("Infinity") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Reused, as the window reuses its own.
    static zenlith::SkyCalculator classic(zenlith::ModelKind::classic);
    static zenlith::SkyCalculator precise(zenlith::ModelKind::precise);
    const zenlith::FieldTexts fields = splitFields({reinterpret_cast<const char*>(data), size});
    for (const std::string* text : {&fields.year, &fields.month, &fields.day, &fields.hour, &fields.minute}) {
        zenlith::readNumber(*text);
    }
    requireFinite(classic.compute(fields, "."));
    requireFinite(precise.compute(fields, "."));
    return 0;
}
