#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "pdf_printer.h"
#include "pdf_reading.h"

namespace zenlith {
namespace {

class PdfPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::popplerAvailable()) {
            GTEST_SKIP() << "poppler-utils is not installed; cannot read PDFs back";
        }
        ASSERT_TRUE(dir_.isValid());
    }
    QString file() const { return dir_.filePath(QStringLiteral("out.pdf")); }

private:
    QTemporaryDir dir_;
};

TEST_F(PdfPrinterTest, WritesHebrewLinesThatReadBackWordForWord) {
    PdfPrinter printer(file());
    printer.setRightToLeft(true);
    printer.setFontSize(7);
    printer.printLine(QStringLiteral("      לשעה : 4 : 0       תאריך : 2024 / 3 / 5"));
    printer.printLine(QStringLiteral("שמש     Ra = 12.5°  :  Sun\r\nירח  Ra =1.25° : Moon"));
    ASSERT_EQ(printer.endDocument(), PrintStatus::printed);
    const QStringList lines = test::pdfLines(file());
    const QString text = lines.join(QLatin1Char('\n'));
    EXPECT_TRUE(test::hasLineWithWordsOf(lines, QStringLiteral("      לשעה : 4 : 0       תאריך : 2024 / 3 / 5"))) << text.toStdString();
    EXPECT_TRUE(test::hasLineWithWordsOf(lines, QStringLiteral("שמש     Ra = 12.5°  :  Sun"))) << text.toStdString();
    EXPECT_TRUE(test::hasLineWithWordsOf(lines, QStringLiteral("ירח  Ra =1.25° : Moon"))) << text.toStdString();
    EXPECT_FALSE(test::hasLineWithWordsOf(lines, QStringLiteral("ירח  Ra =1.26° : Moon")));
    EXPECT_EQ(test::pdfPageCount(file()), 1);
}

TEST_F(PdfPrinterTest, StartsANewPageWhenTheLinesNoLongerFit) {
    PdfPrinter printer(file());
    printer.setFontSize(12);
    for (int i = 0; i < 200; ++i) {
        printer.printLine(QStringLiteral("line %1").arg(i));
    }
    ASSERT_EQ(printer.endDocument(), PrintStatus::printed);
    EXPECT_GT(test::pdfPageCount(file()), 1);
    const QStringList lines = test::pdfLines(file());
    EXPECT_TRUE(test::hasLineWithWordsOf(lines, QStringLiteral("line 0")));
    EXPECT_TRUE(test::hasLineWithWordsOf(lines, QStringLiteral("line 199")));
}

TEST_F(PdfPrinterTest, WrapsALineWiderThanThePageInsteadOfCuttingItAndKeepsRightToLeftAtTheRight) {
    QString wide = QStringLiteral("כוכב חמה ");
    for (int i = 0; i < 14; ++i) {
        wide += QStringLiteral(" , Value%1 = %2°").arg(i).arg(i * 1.25);
    }
    wide += QStringLiteral(" : Mercury");
    PdfPrinter printer(file());
    printer.setRightToLeft(true);
    printer.setFontSize(7);
    printer.printLine(wide);
    printer.printLine(QStringLiteral("שמש"));
    ASSERT_EQ(printer.endDocument(), PrintStatus::printed);
    const QStringList lines = test::pdfLines(file());
    EXPECT_TRUE(test::hasLineWithWordsOf(lines, wide)) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(test::hasLineWithWordsOf(lines.mid(0, 1), wide));
    // Every line, the wrapped part and the short one too, ends at the right margin.
    const test::PdfLineBoxes boxes = test::pdfLineBoxes(file());
    ASSERT_EQ(boxes.lines.size(), 3);
    for (const QRectF& line : boxes.lines) {
        EXPECT_NEAR(line.right(), boxes.lines.front().right(), 4.0);  // a blank where a line wraps
        EXPECT_GT(line.right(), boxes.pageWidth * 0.8);
    }
    EXPECT_GT(boxes.lines.back().left(), boxes.pageWidth / 2);
}

TEST(PdfPrinter, ReportsAFailureWhenTheFileCannotBeWritten) {
    PdfPrinter printer(QStringLiteral("/nonexistent-folder/out.pdf"));
    printer.printLine(QStringLiteral("x"));
    EXPECT_EQ(printer.endDocument(), PrintStatus::failed);
}

}  // namespace
}  // namespace zenlith
