// The day's events window as a person reads it, on a document of its own:
// the table's times against independent references (astronomy-engine 2.1.19
// for rises, culminations, sets and twilights, tools/reference/
// day_events_reference.js and place_days.sh; hebcal 6.9.3 for the halachic
// times, tools/reference/zmanim_reference.mjs), each body's row in time order,
// the place in the title, the halachic choices kept, copy and print.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cmath>

#include "day_zmanim.h"
#include "events_window.h"
#include "hebcal_days.h"
#include "qt_text.h"
#include "recording_printer.h"
#include "reference_days.h"
#include "sky_document.h"
#include "zone_clock_rules.h"

namespace {

using namespace zenlith;

constexpr double oneMinute = 1 + 1e-6;
const std::array<std::string, bodyCount> bodyNames = {"השמש", "כוכב חמה", "נוגה", "מאדים", "צדק",
                                                      "שבתאי", "אורנוס", "נפטון", "הירח"};

// "06:35" as minutes after midnight; nothing for any other text.
std::optional<double> minutesOf(const QString& cell) {
    if (cell.size() != 5 || cell[2] != QLatin1Char(':')) return std::nullopt;
    return cell.left(2).toInt() * 60 + cell.mid(3).toInt();
}

class EventsWindowTest : public ::testing::Test {
protected:
    void showDay(const std::string& isoDate, const Place& place, ModelKind model) {
        rules = ZoneClockRules::open(place.timeZone);
        document.setPlace(place, *rules);
        SkyState state;
        state.entered = CivilDateTime{std::stoi(isoDate.substr(0, 4)), std::stoi(isoDate.substr(5, 2)),
                                      std::stoi(isoDate.substr(8, 2)), 12, 0};
        state.instant = julianDateOf(*state.entered);
        state.place = place;
        state.model = model;
        document.setComputed(state);
    }
    QString cell(int row, int column) const {
        const QTableWidgetItem* item = window->table().item(row, column);
        return item ? item->text() : QString();
    }
    int rowNamed(const std::string& name) const {
        for (int row = 0; row < window->table().rowCount(); ++row) {
            if (cell(row, 0) == qtText(name)) return row;
        }
        return -1;
    }
    // The body's rows: its own and the "ושוב" after it.
    std::vector<int> bodyRows(int body) const {
        std::vector<int> rows{rowNamed(bodyNames[static_cast<std::size_t>(body)])};
        while (rows.back() >= 0 && cell(rows.back() + 1, 0) == QStringLiteral("ושוב")) rows.push_back(rows.back() + 1);
        return rows;
    }

    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("zenlith.ini")), QSettings::IniFormat};
    std::unique_ptr<ZoneClockRules> rules = ZoneClockRules::open("Asia/Jerusalem");
    SkyDocument document{*rules};
    test::RecordingPrinter printer, pdfSaver;
    std::unique_ptr<EventsWindow> window = std::make_unique<EventsWindow>(document, settings, printer, pdfSaver);
};

// Every rise, culmination and set the reference finds stands in the body's
// rows, the columns of each row run in time order from right to left, and
// the bodies come in their fixed order. Days on which the clocks change are
// left to the core's own tests.
TEST_F(EventsWindowTest, TheTableAgreesWithAnIndependentLibraryInTimeOrder) {
    const std::pair<std::string, Place> places[] = {
        {ZENLITH_REFERENCE_DAYS, originalSite()},
        {std::string(ZENLITH_PLACE_DAYS) + "jerusalem.tsv", {"ירושלים", 31.7683, 35.2137, 754, "Asia/Jerusalem"}},
        {std::string(ZENLITH_PLACE_DAYS) + "new_york.tsv", {"ניו יורק", 40.71417, -74.00639, 10, "America/New_York"}},
        {std::string(ZENLITH_PLACE_DAYS) + "tromso.tsv", {"טרומסו", 69.6496, 18.956, 0, "Europe/Oslo"}},
    };
    window->show();
    int twoRowBodies = 0;
    for (const auto& [file, place] : places) {
        for (const test::ReferenceDay& day : test::readReferenceDays(file)) {
            if (std::abs(day.end - day.start - 1) > 1e-3) continue;
            showDay(day.date, place, ModelKind::precise);
            const std::string where = place.name + " " + day.date;
            const QString date = qtText(day.date.substr(8, 2) + "." + day.date.substr(5, 2) + "." + day.date.substr(0, 4));
            EXPECT_TRUE(window->text().section(QLatin1Char('\n'), 0, 1).contains(date)) << where;
            EXPECT_TRUE(window->text().section(QLatin1Char('\n'), 1, 1).contains(qtText(place.name))) << where;
            // Where the reference has the events of every body, the planets too; elsewhere the Sun's and the Moon's.
            const bool allBodies = place.name.empty();
            int lastRow = -1;
            for (const int body : {sunIndex, moonIndex, mercuryIndex, venusIndex, marsIndex, jupiterIndex, saturnIndex,
                                   uranusIndex, neptuneIndex}) {
                const std::vector<int> rows = bodyRows(body);
                ASSERT_GT(rows.front(), lastRow) << where << " body " << body;
                lastRow = rows.back();
                twoRowBodies += rows.size() > 1;
                if (!allBodies && body != sunIndex && body != moonIndex) continue;
                const test::ReferenceHorizon& expected = day.bodies[static_cast<std::size_t>(body)];
                for (const auto& [column, instant] : {std::pair{1, expected.rise}, std::pair{3, expected.transit},
                                                      std::pair{5, expected.set}}) {
                    if (!instant || (column == 3 && !allBodies)) continue;
                    const double minutes = (*instant - day.start) * 1440;
                    const bool shown = std::any_of(rows.begin(), rows.end(), [&](int row) {
                        return std::abs(minutesOf(cell(row, column)).value_or(-9) - minutes) <= oneMinute;
                    });
                    EXPECT_TRUE(shown) << where << " body " << body << " column " << column;
                }
                if (!expected.rise && !expected.set) {
                    EXPECT_TRUE(cell(rows.front(), 1).contains(QStringLiteral("כל היממה"))) << where;
                }
                for (const int row : rows) {
                    double previous = -1;
                    for (const int column : {1, 3, 5}) {
                        const std::optional<double> at = minutesOf(cell(row, column));
                        EXPECT_GT(at.value_or(previous + 1), previous) << where << " body " << body;
                        previous = at.value_or(previous);
                    }
                }
            }
            // Dawn under rise, dusk under set.
            for (int k = 0; k < twilightCount; ++k) {
                const int row = rowNamed(std::array{"דמדומים אזרחיים (6°)", "דמדומים ימיים (12°)",
                                                    "דמדומים אסטרונומיים (18°)"}[static_cast<std::size_t>(k)]);
                for (const auto& [column, instant] : {std::pair{1, day.twilights[2 * k]}, std::pair{5, day.twilights[2 * k + 1]}}) {
                    if (!instant || row < 0) continue;
                    EXPECT_NEAR(minutesOf(cell(row, column)).value_or(-9), (*instant - day.start) * 1440, oneMinute)
                        << where << " twilight " << k;
                }
            }
        }
    }
    EXPECT_GT(twoRowBodies, 20);  // a body that sets before it rises reads in two rows
}

// hebcal's minutes after 00:00 UT for a day of January 2026 at the original site, by ZmanIndex.
std::array<std::optional<double>, zmanCount> hebcalDay(int day) {
    return test::readHebcalDays(ZENLITH_ZMANIM_2026).at(static_cast<std::size_t>(day - 1)).minutesAfterMidnightUt;
}

// The halachic times stand under their names as hebcal gives them (Israel is
// two hours ahead in January); the custom of candle lighting and the time of
// havdalah follow the choice, kept in the settings for the next window; hidden,
// they are gone.
TEST_F(EventsWindowTest, TheDaysTimesAgreeWithHebcalAndFollowTheKeptChoices) {
    const auto pick = [this](const char* name, int index) {
        auto* combo = window->findChild<QComboBox*>(QString::fromLatin1(name));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    };
    const auto expectHebcal = [this](int day, ZmanIndex evening, double eveningShift) {
        showDay("2026-01-0" + std::to_string(day), originalSite(), ModelKind::classic);
        const std::array<std::optional<double>, zmanCount> hebcal = hebcalDay(day);
        for (int k = 0; k < zmanCount; ++k) {
            const auto index = static_cast<ZmanIndex>(k);
            const int row = rowNamed(std::string(zmanName(index)));
            if (!hebcal[k]) {
                EXPECT_LT(row, 0) << zmanKey(index);  // candles and havdalah only on their days
                continue;
            }
            const double shift = index == evening ? eveningShift : 0;
            EXPECT_NEAR(minutesOf(cell(row, 1)).value_or(-9), *hebcal[k] + 120 + shift, oneMinute)
                << day << " " << zmanKey(index);
        }
    };
    struct Case {
        int day;
        int custom;  // the entries: by place, Jerusalem, Haifa, elsewhere in Israel, abroad
        int havdalah;  // at tzeit, 72 minutes after sunset
        ZmanIndex evening;
        double shift;  // minutes against hebcal's 20 before sunset, or tzeit
    };
    const Case cases[] = {
        {2, 0, 0, ZmanIndex::candleLighting, 0},  // Friday: the original site's custom, 20 minutes
        {2, 1, 0, ZmanIndex::candleLighting, -20},
        {3, 1, 0, ZmanIndex::havdalah, 0},  // Saturday
        {2, 2, 1, ZmanIndex::candleLighting, -10},
    };
    window->show();
    window->setZmanimShown(true);
    for (const Case& c : cases) {
        pick("CandleCustom", c.custom);
        pick("Havdalah", c.havdalah);
        expectHebcal(c.day, c.evening, c.shift);
    }
    // The next window keeps Haifa's custom and havdalah 72 minutes after sunset.
    window = std::make_unique<EventsWindow>(document, settings, printer, pdfSaver);
    window->show();
    const double sunset = *hebcalDay(3)[static_cast<std::size_t>(ZmanIndex::sunset)];
    const double tzeit = *hebcalDay(3)[static_cast<std::size_t>(ZmanIndex::tzeit)];
    expectHebcal(3, ZmanIndex::havdalah, sunset + 72 - tzeit);
    expectHebcal(2, ZmanIndex::candleLighting, -10);
    window->setZmanimShown(false);
    EXPECT_LT(rowNamed("זמני היום"), 0);
    window = std::make_unique<EventsWindow>(document, settings, printer, pdfSaver);
    window->show();
    EXPECT_LT(rowNamed("זמני היום"), 0);
}

// Copy gives the title, the headings and every row as tab-separated lines,
// each opening with a Hebrew letter so that it reads right to left wherever
// it is pasted; print and PDF give one upright A4 page whose table runs from
// the top down over most of it; at night nothing but red reaches the eye.
TEST_F(EventsWindowTest, CopiesPrintsAndDimsWhatItShows) {
    window->show();
    window->setZmanimShown(true);
    showDay("2024-06-21", originalSite(), ModelKind::classic);
    for (QPushButton* button : window->findChildren<QPushButton*>()) button->click();
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2 + 1 + window->table().rowCount());
    for (int row = 0; row < window->table().rowCount(); ++row) {
        EXPECT_EQ(lines[3 + row].section(QLatin1Char('\t'), 0, 0), cell(row, 0));
        EXPECT_LE(lines[3 + row].count(QLatin1Char('\t')), dayTableColumnCount - 1);
    }
    for (const QString& line : lines) {
        const auto strong = std::find_if(line.begin(), line.end(), [](QChar c) { return c.isLetter(); });
        ASSERT_NE(strong, line.end()) << line.toStdString();
        EXPECT_EQ(strong->direction(), QChar::DirR) << line.toStdString();
    }
    for (const test::RecordingPrinter* recorded : {&printer, &pdfSaver}) {
        ASSERT_EQ(recorded->delivered.size(), 1U);
        EXPECT_FALSE(recorded->delivered[0].landscape);
        ASSERT_EQ(recorded->delivered[0].items.size(), 1U);
        const QImage page = std::get<QImage>(recorded->delivered[0].items[0]);
        EXPECT_NEAR(static_cast<double>(page.height()) / page.width(), 297.0 / 210, 0.01);
        std::vector<int> inked;
        for (int y = 0; y < page.height(); y += 4) {
            for (int x = 0; x < page.width(); x += 4) {
                if (qGray(page.pixel(x, y)) < 128) {
                    inked.push_back(y);
                    break;
                }
            }
        }
        ASSERT_FALSE(inked.empty());
        EXPECT_LT(inked.front(), page.height() / 10);
        EXPECT_GT(inked.back() - inked.front(), page.height() * 3 / 4);
    }
    // A step within the day leaves the reader's place in the rows; a new day starts at the top.
    window->resize(600, 300);
    QScrollBar* rows = window->table().verticalScrollBar();
    rows->setValue(rows->maximum());
    ASSERT_GT(rows->value(), 0);
    showDay("2024-06-21", originalSite(), ModelKind::classic);
    EXPECT_EQ(rows->value(), rows->maximum());
    showDay("2024-06-22", originalSite(), ModelKind::classic);
    EXPECT_EQ(rows->value(), 0);
    window->setNightView(true);
    const QImage night = window->grab().toImage();
    window->setNightView(false);
    int reds = 0;
    for (int y = 0; y < night.height(); y += 2) {
        for (int x = 0; x < night.width(); x += 2) {
            const QColor pixel = night.pixelColor(x, y);
            ASSERT_EQ(pixel.green() + pixel.blue(), 0) << x << ',' << y;
            reds += pixel.red() > 40;
        }
    }
    EXPECT_GT(reds, 1000);
}

}  // namespace
