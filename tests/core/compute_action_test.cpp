#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "sky_calculator.h"
#include "messages.h"

namespace zenlith {
namespace {

FieldTexts fields(std::string year, std::string month, std::string day, std::string hour = "12",
                  std::string minute = "00", bool summer = false) {
    return {std::move(year), std::move(month), std::move(day), std::move(hour), std::move(minute), summer};
}

ComputeOutcome run(const FieldTexts& texts) {
    SkyCalculator calculator;
    return calculator.compute(texts, ".");
}

ComputedSky skyOf(const FieldTexts& texts) {
    const ComputeOutcome outcome = run(texts);
    EXPECT_TRUE(std::holds_alternative<ComputedSky>(outcome));
    return std::holds_alternative<ComputedSky>(outcome) ? std::get<ComputedSky>(outcome) : ComputedSky{};
}

// Which texts are computed and which refused with which message: dates that
// do not exist come first, then a missing date; a value a cell cannot hold
// names the first such field in the order year, month, hour, minute, day.
TEST(ComputeAction, RefusesWhatCannotBeComputedWithItsMessage) {
    const Refusal noSuchDate{messages::dateDoesNotExist, messages::wrongValueTitle};
    const Refusal missingDate{messages::noDateEntered, messages::missingValueTitle};
    const auto wrong = [](std::string_view prompt) { return Refusal{prompt, messages::wrongValueTitle}; };
    const std::optional<Refusal> computed;
    const std::pair<FieldTexts, std::optional<Refusal>> cases[] = {
        {fields("2024", "2", "31"), noSuchDate},       {fields("2024", "4", "31"), noSuchDate},
        {fields("2024", "6", "31"), noSuchDate},       {fields("2024", "9", "31"), noSuchDate},
        {fields("2024", "11", "31"), noSuchDate},      {fields("2024", "2", "30"), noSuchDate},
        {fields("2023", "2", "29"), noSuchDate},       {fields("1900", "2", "29"), noSuchDate},
        {fields("2024", "3", "31"), computed},         {fields("2024", "12", "31"), computed},
        {fields("2024", "2", "29"), computed},         {fields("2000", "2", "29"), computed},
        {fields("1", "1", "1"), computed},             {fields("2024", "13", "1"), computed},
        {fields("", "5", "1"), missingDate},           {fields("2024", "abc", "1"), missingDate},
        {fields("2024", "5", ""), missingDate},        {fields("", "4", "31"), noSuchDate},
        {fields("1E40", "5", "1"), wrong(messages::yearPrompt)},
        {fields("1E400", "5", "1"), wrong(messages::yearPrompt)},
        {fields("2024", "-1E39", "1"), wrong(messages::monthPrompt)},
        {fields("2024", "5", "1", "1E39"), wrong(messages::hourPrompt)},
        {fields("2024", "5", "1", "1", "99999"), wrong(messages::minutePrompt)},
        {fields("2024", "5", "1E300"), wrong(messages::dayPrompt)},
        {fields("2024", "5", "1E300", "1", "99999"), wrong(messages::minutePrompt)},
        // 16-bit calendar cells: the day of the year and the century.
        {fields("2024", "5", "40000"), wrong(messages::dayPrompt)},
        {fields("2024", "5000", "1"), wrong(messages::monthPrompt)},
        {fields("5000000", "5", "1"), wrong(messages::yearPrompt)},
        // Far beyond the years the orbital elements describe.
        {fields("2000000", "5", "1"), wrong(messages::yearPrompt)},
        {fields("2024", "5", "1", "2E9"), wrong(messages::hourPrompt)},
    };
    for (const auto& [texts, refusal] : cases) {
        const ComputeOutcome outcome = run(texts);
        const auto* refused = std::get_if<Refusal>(&outcome);
        EXPECT_EQ(refused ? std::optional(*refused) : std::nullopt, refusal)
            << texts.year << "-" << texts.month << "-" << texts.day << " " << texts.hour << ":" << texts.minute;
    }
}

// Values the fields would refuse are computed: a half minute rounds half to
// even, as the 16-bit minute cell does, and hour 30 is the next day's 06:00.
// The summer-time box moves the instant an hour earlier.
TEST(ComputeAction, ComputesValuesTheFieldsWouldRefuseAndHonoursTheSummerBox) {
    const struct {
        FieldTexts entered, same;
        double laterBy;  // days
    } cases[] = {
        {fields("2024", "5", "1", "3", "2.5"), fields("2024", "5", "1", "3", "2"), 0},
        {fields("2024", "5", "1", "3", "3.5"), fields("2024", "5", "1", "3", "4"), 0},
        {fields("2024", "5", "1", "30", "0"), fields("2024", "5", "2", "6", "0"), 0},
        {fields("2023", "7", "15", "21", "30", false), fields("2023", "7", "15", "21", "30", true), 1.0 / 24},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(skyOf(c.entered).julianDate - skyOf(c.same).julianDate, c.laterBy, 1e-9) << c.entered.minute;
    }
}

TEST(ComputeAction, DescribesTheSkyFromTheUntruncatedResults) {
    const ComputedSky sky = skyOf(fields("2024", "03", "01", "12", "00"));
    EXPECT_EQ(sky.text6, "שנה מעוברת,יום שישי, היום ה- 61 מתחילת השנה");
    const double sunAlt = sky.places.bodies[sunIndex].Alt;
    EXPECT_GT(sunAlt, 0);  // midday
    EXPECT_EQ(sky.sky, (Rgb{255, 255, 192}));
    for (std::size_t n = 0; n < sky.markers.size(); ++n) {
        const BodyPlace& body = sky.places.bodies[markerTable[n].bodyIndex];
        EXPECT_EQ(sky.markers[n].name, markerTable[n].name);
        EXPECT_EQ(sky.markers[n].visible, body.Alt >= 0) << markerTable[n].name;
    }
    // The report shows the cut figures of the same bodies.
    EXPECT_NE(sky.report.find("Alt = " + std::to_string(static_cast<int>(std::floor(sunAlt)))), std::string::npos);
    EXPECT_EQ(sky.report.size() - sky.report.rfind(" : Moon"), 7u);
}

}  // namespace
}  // namespace zenlith
