// The two print buttons on the real window, printing into a recording printer.
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "sky_chart.h"
#include "field_combo.h"
#include "window_fixture.h"

namespace {

QStringList printedLines(const zenlith::PrintDocument& document) {
    QStringList lines;
    for (const zenlith::PrintItem& item : document.items) lines << std::get<zenlith::PrintedLine>(item).text;
    return lines;
}

class PrintTest : public WindowTest {
protected:
    void click(const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    QFrame* chartFrame() const { return qobject_cast<QFrame*>(chart()); }
};

TEST_F(PrintTest, ParametersBeforeAnyComputationPrintTheEmptyReport) {
    startAt("05/03/2024", "07:04:09");
    click("Command2");
    ASSERT_EQ(printer->delivered.size(), 1U);
    // The fields read 2024, 03, 05, 07, 04: the zeros in front do not print.
    const QStringList expected{QStringLiteral("      לשעה : 4 : 7       תאריך : 2024 / 3 / 5"), QString(), QString(),
                               QString()};
    EXPECT_EQ(printedLines(printer->delivered[0]), expected);
    for (const zenlith::PrintItem& item : printer->delivered[0].items) {
        EXPECT_EQ(std::get<zenlith::PrintedLine>(item).fontSize, 7);
        EXPECT_TRUE(std::get<zenlith::PrintedLine>(item).rightToLeft);
    }
}

TEST_F(PrintTest, ParametersPrintTheCurrentFieldsOverTheLastReport) {
    startAt("05/03/2024", "17:45:30");
    pressCompute();
    const QStringList reportLines = report()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(reportLines.size(), 9);
    type(minute(), QStringLiteral("08"));
    click("Command2");
    ASSERT_EQ(printer->delivered.size(), 1U);
    QStringList expected{QStringLiteral("      לשעה : 8 : 17       תאריך : 2024 / 3 / 5"), QString()};
    expected << reportLines << QString();
    EXPECT_EQ(printedLines(printer->delivered[0]), expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PrintTest, ScreenIsPrintedWithTheChartFramedAndTheFrameRemovedAfter) {
    startAt("05/03/2024", "17:45:30");
    pressCompute();
    click("Command7");
    ASSERT_EQ(printer->delivered.size(), 1U);
    ASSERT_EQ(printer->delivered[0].items.size(), 1U);
    const QImage printed = std::get<QImage>(printer->delivered[0].items[0]);
    EXPECT_EQ(chartFrame()->frameShape(), QFrame::NoFrame);
    EXPECT_NE(printed, window->grab().toImage());
    static_cast<zenlith::SkyChart*>(chartFrame())->showBorder(true);
    EXPECT_EQ(printed, window->grab().toImage());
}

TEST_F(PrintTest, AFailedPrintLeavesTheWindowAsItWas) {
    printerAnswer = zenlith::PrintStatus::failed;
    startAt("05/03/2024", "17:45:30");
    pressCompute();
    const QImage before = window->grab().toImage();
    click("Command7");
    click("Command2");
    EXPECT_EQ(printer->delivered.size(), 2U);
    EXPECT_EQ(chartFrame()->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(window->grab().toImage(), before);
}

}  // namespace
