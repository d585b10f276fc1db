// The month's table in its window: it follows the document's month and
// model, moves by month, switches to the Hebrew month, hides columns and shows
// the halachic times (both kept in the settings), prints one page turned
// sideways and exports what it shows as CSV. Dates and festivals of 2026 as
// published calendars give them; the halachic times as hebcal does
// (tests/zmanim/data/original_site.tsv, @hebcal/core 6.9.3).
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "almanac_window.h"
#include "events_window.h"
#include "zone_clock_rules.h"
#include "recording_message_box.h"
#include "recording_printer.h"
#include "sky_document.h"

namespace {

using zenlith::AlmanacColumn;

class AlmanacWindowTest : public ::testing::Test {
protected:
    void computeAt(int year, int month, int day, zenlith::ModelKind model = zenlith::ModelKind::classic) {
        zenlith::SkyState state;
        state.entered = zenlith::CivilDateTime{year, month, day, 12, 0};
        state.model = model;
        document.setComputed(state);
    }
    QString cell(int day, AlmanacColumn column) const {
        return window.table().item(day - 1, static_cast<int>(column))->text();
    }

    const zenlith::ClockRules& rules = zenlith::israelClockRules();
    zenlith::SkyDocument document{rules};
    zenlith::test::RecordingPrinter printer, pdfSaver;
    RecordingMessageBox messages;
    const QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("zenlith.conf")), QSettings::IniFormat};
    zenlith::AlmanacWindow window{document, settings, printer, pdfSaver, messages};
};

TEST_F(AlmanacWindowTest, FollowsTheDocumentAndMovesByMonth) {
    computeAt(2026, 3, 18);
    EXPECT_EQ(window.title(), QStringLiteral("מרץ 2026"));
    ASSERT_EQ(window.table().rowCount(), 31);
    // astronomy-engine 2.1.19 (tests/almanac/data): sunrise 17 March 03:47:54
    // UT, sunset 18 March 15:49:58 UT; Israel's clock is UT+2 until the 27th.
    EXPECT_EQ(cell(17, AlmanacColumn::sunrise), QStringLiteral("05:48"));
    EXPECT_EQ(cell(18, AlmanacColumn::sunset), QStringLiteral("17:50"));
    EXPECT_EQ(cell(18, AlmanacColumn::hebrewDate), QStringLiteral("כ״ט באדר תשפ״ו"));
    EXPECT_EQ(cell(3, AlmanacColumn::holidays), QStringLiteral("פורים"));
    EXPECT_EQ(cell(4, AlmanacColumn::holidays), QStringLiteral("שושן פורים"));
    // Saturday 7 March is set apart; Friday 6 March is not.
    EXPECT_NE(window.table().item(6, 0)->background(), window.table().item(5, 0)->background());

    window.show();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_EQ(window.title(), QStringLiteral("אפריל 2026"));
    EXPECT_EQ(window.table().rowCount(), 30);
    computeAt(2026, 4, 2);  // the month in view: the window stays
    EXPECT_EQ(window.title(), QStringLiteral("אפריל 2026"));
    computeAt(2027, 2, 1);
    EXPECT_EQ(window.title(), QStringLiteral("פברואר 2027"));
    EXPECT_EQ(window.table().rowCount(), 28);

    window.setMonthKind(zenlith::MonthKind::hebrew);
    computeAt(2026, 4, 15);  // 28 Nisan 5786; Nisan has 30 days
    EXPECT_EQ(window.title(), QStringLiteral("ניסן תשפ״ו"));
    EXPECT_EQ(window.table().rowCount(), 30);
    EXPECT_EQ(cell(1, AlmanacColumn::hebrewDate), QStringLiteral("א׳ בניסן תשפ״ו"));
    window.stepMonth(1);
    EXPECT_EQ(window.title(), QStringLiteral("אייר תשפ״ו"));
    EXPECT_EQ(window.table().rowCount(), 29);  // Iyar has 29

    computeAt(900, 1, 1, zenlith::ModelKind::precise);  // before the precise model's years
    EXPECT_EQ(window.table().rowCount(), 0);
    EXPECT_TRUE(window.title().contains(QStringLiteral("המודל אינו מכסה")));
}

TEST_F(AlmanacWindowTest, PrintsAndExportsTheShownColumns) {
    computeAt(2026, 2, 10);
    window.setColumnShown(AlmanacColumn::weekday, false);
    EXPECT_TRUE(window.table().isColumnHidden(static_cast<int>(AlmanacColumn::tzeit)));  // until asked for
    window.setZmanimShown(true);
    window.setColumnShown(AlmanacColumn::misheyakir, false);
    window.print(printer);
    ASSERT_EQ(printer.delivered.size(), 1U);
    EXPECT_TRUE(printer.delivered[0].landscape);
    ASSERT_EQ(printer.delivered[0].items.size(), 1U);
    const QImage page = std::get<QImage>(printer.delivered[0].items[0]);
    EXPECT_NEAR(static_cast<double>(page.width()) / page.height(), 297.0 / 210, 0.01);  // A4 sideways
    // Twenty-eight columns still keep to the page: nothing is drawn in its left margin (60 dots).
    QImage blank(60, page.height(), page.format());
    blank.fill(Qt::white);
    EXPECT_TRUE(page.copy(0, 0, 60, page.height()) == blank);

    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("month.csv"));
    ASSERT_TRUE(window.exportCsv(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 28);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("תאריך,תאריך עברי,מועד,זריחה,")));  // no weekday
    EXPECT_TRUE(lines[0].contains(QStringLiteral(",מופע,עלות השחר,ק״ש מג״א,"))) << qPrintable(lines[0]);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(",צאת הכוכבים,הדלקת נרות,הבדלה")));
    EXPECT_TRUE(lines[10].startsWith(QStringLiteral("10.02.2026,")));
    // Candles on Friday the 20th 20 minutes before sunset's minute, havdalah
    // on Saturday at the Sun 8.5° below.
    EXPECT_TRUE(lines[20].endsWith(QStringLiteral(",17:10,")) && lines[21].endsWith(QStringLiteral(",,18:08")))
        << qPrintable(lines[20] + "\n" + lines[21]);

    // A custom chosen in the day's events window reaches the month at once:
    // Jerusalem's 40 minutes before sunset's minute.
    zenlith::EventsWindow events{document, settings, printer, pdfSaver};
    auto* custom = events.findChild<QComboBox*>(QStringLiteral("CandleCustom"));
    custom->setCurrentIndex(custom->findData(static_cast<int>(zenlith::CandleCustom::jerusalem)));
    emit custom->activated(custom->currentIndex());
    EXPECT_EQ(cell(20, AlmanacColumn::candleLighting), QStringLiteral("16:50"));

    zenlith::AlmanacWindow again{document, settings, printer, pdfSaver, messages};
    for (const auto& [column, hidden] : {std::pair{AlmanacColumn::weekday, true}, {AlmanacColumn::misheyakir, true},
                                         {AlmanacColumn::tzeit, false}, {AlmanacColumn::date, false}}) {
        EXPECT_EQ(again.table().isColumnHidden(static_cast<int>(column)), hidden) << static_cast<int>(column);
    }

    EXPECT_FALSE(window.exportCsv(folder.filePath(QStringLiteral("no-such-folder/month.csv"))));
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_NE(messages.shown[0].prompt.find("בחרו"), std::string::npos);
}

}  // namespace
