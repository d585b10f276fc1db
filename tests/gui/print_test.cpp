// The two print buttons on the real window, printing into a recording printer.
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "sky_chart.h"
#include "field_combo.h"
#include "pdf_reading.h"
#include "window_fixture.h"

namespace {

QStringList printedLines(const zenlith::PrintDocument& document) {
    QStringList lines;
    for (const zenlith::PrintItem& item : document.items) lines << std::get<zenlith::PrintedLine>(item).text;
    return lines;
}

// The smallest rectangle holding every pixel of the page that is not white.
QRect paintedPart(const QImage& page) {
    QRect painted;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 245) painted |= QRect(x, y, 1, 1);
        }
    }
    return painted;
}

// The mean difference of two images of one size, over the three colours.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

class PrintTest : public WindowTest {
protected:
    void click(const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    QFrame* chartFrame() const { return qobject_cast<QFrame*>(chart()); }
};

// The parameters sheet: the fields as they read now (without leading zeros),
// a blank, the last report (none before any computation) and a blank, all in
// seven-point right-to-left lines.
TEST_F(PrintTest, ParametersPrintTheCurrentFieldsOverTheLastReport) {
    struct Case {
        const char* time;
        bool computeFirst;
        QString typedMinute;  // empty: the minute is left as it started
        QString heading;
    };
    const Case cases[] = {
        {"07:04:09", false, {}, QStringLiteral("      לשעה : 4 : 7       תאריך : 2024 / 3 / 5")},
        {"17:45:30", true, QStringLiteral("08"), QStringLiteral("      לשעה : 8 : 17       תאריך : 2024 / 3 / 5")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time);
        startAt("05/03/2024", c.time);
        if (c.computeFirst) pressCompute();
        const QStringList reportLines = report()->toPlainText().split(QLatin1Char('\n'));
        ASSERT_EQ(reportLines.size(), c.computeFirst ? 9 : 1);
        if (!c.typedMinute.isEmpty()) type(minute(), c.typedMinute);
        click("Command2");
        ASSERT_EQ(printer->delivered.size(), 1U);
        const QStringList expected = QStringList{c.heading, QString()} + reportLines + QStringList{QString()};
        EXPECT_EQ(printedLines(printer->delivered[0]), expected);
        for (const zenlith::PrintItem& item : printer->delivered[0].items) {
            EXPECT_EQ(std::get<zenlith::PrintedLine>(item).fontSize, 7);
            EXPECT_TRUE(std::get<zenlith::PrintedLine>(item).rightToLeft);
        }
        EXPECT_TRUE(messages.shown.empty());
    }
}

// The window is printed with the chart framed, and the frame is gone again
// after, whether the printer printed or failed.
TEST_F(PrintTest, ScreenIsPrintedWithTheChartFramedAndTheWindowLeftAsItWas) {
    for (const zenlith::PrintStatus answer : {zenlith::PrintStatus::printed, zenlith::PrintStatus::failed}) {
        SCOPED_TRACE(static_cast<int>(answer));
        printerAnswer = answer;
        startAt("05/03/2024", "17:45:30");
        pressCompute();
        const QImage before = window->grab().toImage();
        click("Command7");
        click("Command2");
        ASSERT_EQ(printer->delivered.size(), 2U);
        ASSERT_EQ(printer->delivered[0].items.size(), 1U);
        const QImage printed = std::get<QImage>(printer->delivered[0].items[0]);
        EXPECT_EQ(chartFrame()->frameShape(), QFrame::NoFrame);
        EXPECT_EQ(window->grab().toImage(), before);
        EXPECT_NE(printed, before);
        static_cast<zenlith::SkyChart*>(chartFrame())->showBorder(true);
        EXPECT_EQ(printed, window->grab().toImage());
    }
}

// The painted pages, read back by poppler: the window alone on the first and
// only page, scaled whole, looking like the window.
TEST_F(PrintTest, ScreenIsPaintedOnTheFirstPageAsTheWindowLooks) {
    if (!zenlith::test::popplerAvailable()) GTEST_SKIP() << "poppler-utils is not installed; cannot read PDFs back";
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("window.pdf"));
    startAt("05/03/2024", "17:45:30");
    printer->paintInto = pdf;
    pressCompute();
    click("Command7");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(zenlith::test::pdfPageCount(pdf), 1);
    EXPECT_EQ(zenlith::test::pdfImagePages(pdf), QList<int>{1});
    const QImage page = zenlith::test::pdfPageImage(pdf, 1, 60);
    const QRect painted = paintedPart(page);
    ASSERT_GT(painted.width(), page.width() / 2);
    const QImage shown = window->grab().toImage();
    EXPECT_NEAR(double(painted.width()) / painted.height(), double(shown.width()) / shown.height(), 0.03);
    const QImage expected = shown.scaled(painted.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(meanDifference(page.copy(painted), expected), 10.0);
}

}  // namespace
