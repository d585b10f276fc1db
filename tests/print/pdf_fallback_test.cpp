#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "answering_dialogs.h"
#include "pdf_fallback_printer.h"
#include "recording_printer.h"

namespace zenlith {
namespace {

enum class Answer { saveHere, cancel, unwritableFolder };

// What the user is offered, asked and told after the primary printer's answer,
// and whether the same pages end up in the PDF they chose.
struct FallbackCase {
    const char* name;
    PrintStatus primaryAnswer;
    bool acceptPdf;
    Answer fileAnswer;
    QString offerSays;  // empty: nothing is offered
    int fileNamesAsked;
    bool pdfSaved;
    QString toldSays;   // empty: nothing is told
};

TEST(PdfFallback, OffersAsksAndSavesAsTheAnswersSay) {
    const QString noPrinter = QStringLiteral("לא נמצאה מדפסת ברירת מחדל");
    const QString failed = QStringLiteral("ההדפסה נכשלה");
    const FallbackCase cases[] = {
        {"printed", PrintStatus::printed, true, Answer::saveHere, {}, 0, false, {}},
        {"no printer, declined", PrintStatus::noPrinter, false, Answer::saveHere, noPrinter, 0, false, {}},
        {"failed, declined", PrintStatus::failed, false, Answer::saveHere, failed, 0, false, {}},
        {"no printer, saved", PrintStatus::noPrinter, true, Answer::saveHere, noPrinter, 1, true, {}},
        {"failed, cancelled", PrintStatus::failed, true, Answer::cancel, failed, 1, false, {}},
        {"failed, unwritable", PrintStatus::failed, true, Answer::unwritableFolder, failed, 1, false,
         QStringLiteral("נכשלה")},
    };
    for (const FallbackCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("saved.pdf"));
        const QString chosen = c.fileAnswer == Answer::saveHere ? pdf
                               : c.fileAnswer == Answer::cancel ? QString()
                                                                : QStringLiteral("/nonexistent-folder/saved.pdf");
        auto recording = std::make_unique<test::RecordingPrinter>(c.primaryAnswer);
        auto answering = std::make_unique<test::AnsweringDialogs>(c.acceptPdf, chosen);
        const test::RecordingPrinter& primary = *recording;
        const test::AnsweringDialogs& dialogs = *answering;
        PdfFallbackPrinter printer(std::move(recording), std::move(answering));
        printer.printLine(QStringLiteral("שורה"));

        EXPECT_EQ(printer.endDocument(), c.primaryAnswer);
        EXPECT_EQ(primary.delivered.size(), 1U);
        if (c.offerSays.isEmpty()) {
            EXPECT_TRUE(dialogs.offers.isEmpty());
        } else {
            ASSERT_EQ(dialogs.offers.size(), 1);
            EXPECT_TRUE(dialogs.offers[0].contains(c.offerSays)) << dialogs.offers[0].toStdString();
            EXPECT_TRUE(dialogs.offers[0].contains(QStringLiteral("PDF")));
        }
        EXPECT_EQ(dialogs.fileNameAsked, c.fileNamesAsked);
        QFile saved(pdf);
        EXPECT_EQ(saved.exists(), c.pdfSaved);
        if (c.pdfSaved) {
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            EXPECT_TRUE(saved.read(5) == "%PDF-");
        }
        if (c.toldSays.isEmpty()) {
            EXPECT_TRUE(dialogs.told.isEmpty());
        } else {
            ASSERT_EQ(dialogs.told.size(), 1);
            EXPECT_TRUE(dialogs.told[0].contains(c.toldSays));
        }
    }
}

}  // namespace
}  // namespace zenlith
