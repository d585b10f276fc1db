#pragma once
// hebcal's halachic times for each day of a fixture in data/ (made by
// tools/reference/zmanim_reference.mjs): minutes after 00:00 UT by ZmanIndex,
// nothing where a time does not come that day.
#include <array>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "day_zmanim.h"

namespace zenlith::test {

struct HebcalDay {
    int year = 0, month = 0, day = 0;
    std::array<std::optional<double>, zmanCount> minutesAfterMidnightUt;
};

inline std::vector<HebcalDay> readHebcalDays(const std::string& path) {
    std::ifstream in(path);
    std::vector<HebcalDay> days;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('#')) continue;
        std::istringstream fields(line);
        HebcalDay& day = days.emplace_back();
        fields >> day.year >> day.month >> day.day;
        for (std::optional<double>& minutes : day.minutesAfterMidnightUt) {
            std::string field;
            fields >> field;
            if (field != "-") minutes = std::stod(field);
        }
    }
    return days;
}

}  // namespace zenlith::test
