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

}  // namespace
}  // namespace zenlith
