#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "print_actions.h"
#include "recording_printer.h"

namespace zenlith {
namespace {

const QString report = QStringLiteral("שמש     Ra = 1°\r\nכוכב חמה  Rearth = 2 AU\r\nנוגה  Rearth = 3 AU\r\n"
                                      "מאדים  Rearth = 4 AU\r\nצדק  Rearth = 5 AU\r\nשבתאי  Rearth = 6 AU\r\n"
                                      "אורנוס  Rearth = 7 AU\r\nנפטון  Rearth = 8 AU\r\nירח  Ra =9°");

QStringList printedTexts(const PrintDocument& document) {
    QStringList texts;
    for (const PrintItem& item : document.items) {
        texts << std::get<PrintedLine>(item).text;
    }
    return texts;
}

TEST(PrintParameters, PrintsLineBlankReportBlankInSmallRightToLeftType) {
    test::RecordingPrinter printer;
    printParameters(printer, QStringLiteral("      לשעה : 4 : 0"), report);
    ASSERT_EQ(printer.delivered.size(), 1U);
    const PrintDocument& document = printer.delivered[0];
    QStringList expected{QStringLiteral("      לשעה : 4 : 0"), QString()};
    expected << report.split(QStringLiteral("\r\n")) << QString();
    EXPECT_EQ(printedTexts(document), expected);
    for (const PrintItem& item : document.items) {
        EXPECT_EQ(std::get<PrintedLine>(item).fontSize, 7);
        EXPECT_TRUE(std::get<PrintedLine>(item).rightToLeft);
    }
}

TEST(PrintParameters, AnEmptyReportPrintsAsOneEmptyLine) {
    test::RecordingPrinter printer;
    printParameters(printer, QStringLiteral("p"), QString());
    ASSERT_EQ(printer.delivered.size(), 1U);
    EXPECT_EQ(printedTexts(printer.delivered[0]), (QStringList{QStringLiteral("p"), QString(), QString(), QString()}));
}

// A window with a chart frame whose border the print-screen action switches.
class PrintScreenTest : public ::testing::Test {
protected:
    PrintScreenTest() : chart_(new QFrame(&window_)) {
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(new QLabel(QStringLiteral("זניט"), &window_));
        layout->addWidget(chart_);
        chart_->setMinimumSize(120, 80);
        window_.resize(200, 160);
        setBorder = [this](bool on) {
            borderCalls.push_back(on);
            chart_->setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
            chart_->setLineWidth(1);
        };
    }

    QImage imageWithBorder() {
        chart_->setFrameStyle(QFrame::Box | QFrame::Plain);
        QImage image = window_.grab().toImage();
        chart_->setFrameStyle(QFrame::NoFrame);
        return image;
    }

    QWidget window_;
    QFrame* chart_;
    std::vector<bool> borderCalls;
    std::function<void(bool)> setBorder;
};

TEST_F(PrintScreenTest, PrintsTheWindowImageTakenWithTheChartFramed) {
    test::RecordingPrinter printer;
    printScreen(printer, window_, setBorder);
    ASSERT_EQ(printer.delivered.size(), 1U);
    ASSERT_EQ(printer.delivered[0].items.size(), 1U);
    const QImage printed = std::get<QImage>(printer.delivered[0].items[0]);
    EXPECT_EQ(printed, imageWithBorder());
    EXPECT_NE(printed, window_.grab().toImage());
}

TEST_F(PrintScreenTest, TakesTheBorderAwayAgainWhetherOrNotThePrintWorked) {
    for (const PrintStatus answer : {PrintStatus::printed, PrintStatus::noPrinter, PrintStatus::failed}) {
        borderCalls.clear();
        test::RecordingPrinter printer(answer);
        EXPECT_EQ(printScreen(printer, window_, setBorder), answer);
        EXPECT_EQ(borderCalls, (std::vector<bool>{true, false}));
        EXPECT_EQ(chart_->frameShape(), QFrame::NoFrame);
    }
}

}  // namespace
}  // namespace zenlith
