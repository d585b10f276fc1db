#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "answering_dialogs.h"
#include "pdf_fallback_printer.h"
#include "recording_printer.h"

namespace zenlith {
namespace {

// A fallback printer over a recording primary; the test keeps views of both
// parts it hands over.
struct Fallback {
    Fallback(PrintStatus primaryAnswer, bool acceptPdf, const QString& fileName) {
        auto recording = std::make_unique<test::RecordingPrinter>(primaryAnswer);
        auto answering = std::make_unique<test::AnsweringDialogs>(acceptPdf, fileName);
        primary = recording.get();
        dialogs = answering.get();
        printer = std::make_unique<PdfFallbackPrinter>(std::move(recording), std::move(answering));
    }
    PrintStatus printOneLine() {
        printer->printLine(QStringLiteral("שורה"));
        return printer->endDocument();
    }
    test::RecordingPrinter* primary;
    test::AnsweringDialogs* dialogs;
    std::unique_ptr<PdfFallbackPrinter> printer;
};

class PdfFallbackTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString pdf() const { return dir_.filePath(QStringLiteral("saved.pdf")); }

private:
    QTemporaryDir dir_;
};

TEST_F(PdfFallbackTest, APrintedJobAsksNothing) {
    Fallback fallback(PrintStatus::printed, true, pdf());
    EXPECT_EQ(fallback.printOneLine(), PrintStatus::printed);
    EXPECT_EQ(fallback.primary->delivered.size(), 1U);
    EXPECT_TRUE(fallback.dialogs->offers.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf()));
}

TEST_F(PdfFallbackTest, SaysWhyTheJobFailedAndOffersAPdf) {
    Fallback noPrinter(PrintStatus::noPrinter, false, pdf());
    EXPECT_EQ(noPrinter.printOneLine(), PrintStatus::noPrinter);
    ASSERT_EQ(noPrinter.dialogs->offers.size(), 1);
    EXPECT_TRUE(noPrinter.dialogs->offers[0].contains(QStringLiteral("לא נמצאה מדפסת ברירת מחדל")));
    EXPECT_TRUE(noPrinter.dialogs->offers[0].contains(QStringLiteral("PDF")));

    Fallback failed(PrintStatus::failed, false, pdf());
    EXPECT_EQ(failed.printOneLine(), PrintStatus::failed);
    ASSERT_EQ(failed.dialogs->offers.size(), 1);
    EXPECT_TRUE(failed.dialogs->offers[0].contains(QStringLiteral("ההדפסה נכשלה")));
}

TEST_F(PdfFallbackTest, SavesTheSamePagesOnceWhenTheUserAccepts) {
    Fallback fallback(PrintStatus::noPrinter, true, pdf());
    fallback.printOneLine();
    EXPECT_EQ(fallback.primary->delivered.size(), 1U);
    EXPECT_EQ(fallback.dialogs->fileNameAsked, 1);
    QFile saved(pdf());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.read(5) == "%PDF-");
    EXPECT_TRUE(fallback.dialogs->told.isEmpty());
}

TEST_F(PdfFallbackTest, WritesNothingWhenTheUserDeclinesOrCancels) {
    Fallback declined(PrintStatus::failed, false, pdf());
    declined.printOneLine();
    EXPECT_EQ(declined.dialogs->fileNameAsked, 0);

    Fallback cancelled(PrintStatus::failed, true, QString());
    cancelled.printOneLine();
    EXPECT_EQ(cancelled.dialogs->fileNameAsked, 1);
    EXPECT_TRUE(cancelled.dialogs->told.isEmpty());

    EXPECT_FALSE(QFile::exists(pdf()));
}

TEST_F(PdfFallbackTest, TellsTheUserWhenTheFileCannotBeSaved) {
    Fallback fallback(PrintStatus::failed, true, QStringLiteral("/nonexistent-folder/saved.pdf"));
    fallback.printOneLine();
    ASSERT_EQ(fallback.dialogs->told.size(), 1);
    EXPECT_TRUE(fallback.dialogs->told[0].contains(QStringLiteral("נכשלה")));
}

}  // namespace
}  // namespace zenlith
