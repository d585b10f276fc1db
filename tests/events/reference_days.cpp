#include "reference_days.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zenlith::test {

namespace {

std::optional<double> optionalNumber(std::istream& in) {
    std::string field;
    in >> field;
    if (field == "-") {
        return std::nullopt;
    }
    return std::stod(field);
}

}  // namespace

std::vector<ReferenceDay> readReferenceDays(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<ReferenceDay> days;
    for (std::string line; std::getline(file, line);) {
        std::istringstream in(line);
        ReferenceDay day;
        in >> day.date >> day.start >> day.end;
        for (ReferenceHorizon& body : day.bodies) {
            for (auto* slot : {&body.rise, &body.riseAzimuth, &body.transit, &body.transitAltitude, &body.set,
                               &body.setAzimuth}) {
                *slot = optionalNumber(in);
            }
        }
        for (auto& twilight : day.twilights) {
            twilight = optionalNumber(in);
        }
        for (double& phase : day.phases) {
            in >> phase;
        }
        if (!in) {
            throw std::runtime_error("malformed reference line: " + line);
        }
        days.push_back(day);
    }
    return days;
}

void expectSameInstant(const std::optional<double>& expected, const std::optional<double>& found, double tolerance,
                       const std::string& what) {
    ASSERT_EQ(expected.has_value(), found.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*found, *expected, tolerance) << what << ", minutes: " << (*found - *expected) * 1440;
    }
}

}  // namespace zenlith::test
