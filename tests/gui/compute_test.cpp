// The compute button: the core's outcome on the widgets, or a refusal that
// changes nothing.
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <cmath>

#include "chart_state.h"
#include "messages.h"
#include "sky_calculator.h"
#include "window_fixture.h"

namespace {

// Twips to pixels, computed here on its own.
QPoint pixelPosition(const zenlith::MarkerPlacement& marker) {
    return {static_cast<int>(std::lround(marker.left / 15.0)), static_cast<int>(std::lround(marker.top / 15.0))};
}

zenlith::ComputedSky coreOutcome(const zenlith::FieldTexts& fields) {
    zenlith::SkyCalculator calculator;
    auto outcome = calculator.compute(fields, QLocale::system().decimalPoint().toStdString());
    return std::get<zenlith::ComputedSky>(outcome);
}

const zenlith::FieldTexts nightInSummer{"2024", "7", "15", "22", "30", true};

}  // namespace

TEST_F(WindowTest, ComputationShowsExactlyWhatTheCoreComputes) {
    startAt("05/03/2024", "7:04:09");
    enterInstant(nightInSummer);
    pressCompute();
    ASSERT_TRUE(messages.shown.empty());
    const zenlith::ComputedSky sky = coreOutcome(nightInSummer);
    const QColor skyColour(sky.sky.red, sky.sky.green, sky.sky.blue);
    EXPECT_EQ(chart()->palette().color(QPalette::Window), skyColour);
    EXPECT_EQ(label("moon1")->palette().color(QPalette::Window), skyColour);
    for (const zenlith::MarkerPlacement& marker : sky.markers) {
        const QLabel* shown = label(std::string(marker.name).c_str());
        EXPECT_EQ(shown->pos(), pixelPosition(marker)) << marker.name;
        EXPECT_EQ(shown->isVisible(), marker.visible) << marker.name;
    }
    EXPECT_EQ(calendarLine()->text().toStdString(), sky.text6);
    EXPECT_EQ(report()->toPlainText(), QString::fromStdString(sky.report).replace("\r\n", "\n"));
    EXPECT_EQ(report()->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_FALSE(label("plot")->pixmap().isNull());
}

TEST_F(WindowTest, RefusedDatesLeaveThePreviousChartAndReportUntouched) {
    startAt("05/03/2024", "7:04:09");
    enterInstant(nightInSummer);
    pressCompute();
    const ChartState before = captureChart(*window);
    ASSERT_FALSE(before.report.isEmpty());
    const std::string wrongTitle(zenlith::messages::wrongValueTitle);
    const std::string doesNotExist(zenlith::messages::dateDoesNotExist);
    const std::vector<std::pair<zenlith::FieldTexts, ShownMessage>> refusals{
        {{"2024", "4", "31", "12", "00", false}, {doesNotExist, wrongTitle}},
        {{"2023", "2", "29", "12", "00", false}, {doesNotExist, wrongTitle}},
        {{"", "5", "10", "12", "00", false},
         {std::string(zenlith::messages::noDateEntered), std::string(zenlith::messages::missingValueTitle)}},
    };
    for (const auto& [fields, message] : refusals) {
        type(year(), QStringLiteral("2024"));  // keeps the month field open
        enterInstant(fields);
        messages.shown.clear();
        pressCompute();
        EXPECT_EQ(messages.shown, std::vector{message}) << fields.year << "-" << fields.month << "-" << fields.day;
        EXPECT_TRUE(captureChart(*window) == before) << fields.year << "-" << fields.month << "-" << fields.day;
    }
}
