#include <gtest/gtest.h>

#include "recording_printer.h"

namespace zenlith {
namespace {

std::vector<PrintedLine> linesOf(const PrintDocument& document) {
    std::vector<PrintedLine> lines;
    for (const PrintItem& item : document.items) {
        if (const auto* line = std::get_if<PrintedLine>(&item)) {
            lines.push_back(*line);
        }
    }
    return lines;
}

TEST(DocumentPrinter, SplitsATextAtEveryKindOfLineBreak) {
    test::RecordingPrinter printer;
    printer.printLine(QStringLiteral("a\r\nb\nc\rd"));
    printer.printLine(QString());
    printer.endDocument();
    ASSERT_EQ(printer.delivered.size(), 1U);
    const auto lines = linesOf(printer.delivered[0]);
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_EQ(lines[0].text, QStringLiteral("a"));
    EXPECT_EQ(lines[1].text, QStringLiteral("b"));
    EXPECT_EQ(lines[2].text, QStringLiteral("c"));
    EXPECT_EQ(lines[3].text, QStringLiteral("d"));
    EXPECT_EQ(lines[4].text, QString());
}

TEST(DocumentPrinter, EachLineKeepsTheSettingsInForceWhenItWasPrinted) {
    test::RecordingPrinter printer;
    printer.setFontSize(7);
    printer.setRightToLeft(true);
    printer.printLine(QStringLiteral("small"));
    printer.setFontSize(12);
    printer.setRightToLeft(false);
    printer.printLine(QStringLiteral("large"));
    printer.endDocument();
    const auto lines = linesOf(printer.delivered.at(0));
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].fontSize, 7);
    EXPECT_TRUE(lines[0].rightToLeft);
    EXPECT_EQ(lines[1].fontSize, 12);
    EXPECT_FALSE(lines[1].rightToLeft);
}

TEST(DocumentPrinter, EndingADocumentStartsAFreshOneAndPassesTheStatusOn) {
    test::RecordingPrinter printer(PrintStatus::failed);
    printer.printLine(QStringLiteral("first"));
    EXPECT_EQ(printer.endDocument(), PrintStatus::failed);
    printer.printImage(QImage(4, 3, QImage::Format_RGB32));
    EXPECT_EQ(printer.endDocument(), PrintStatus::failed);
    ASSERT_EQ(printer.delivered.size(), 2U);
    ASSERT_EQ(printer.delivered[0].items.size(), 1U);
    ASSERT_EQ(printer.delivered[1].items.size(), 1U);
    EXPECT_TRUE(std::holds_alternative<QImage>(printer.delivered[1].items[0]));
}

}  // namespace
}  // namespace zenlith
