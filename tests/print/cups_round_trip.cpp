// Prints both actions to the default printer, which the calling script has
// made a cups-pdf queue of a private spooler, and reads what it wrote back.
// Usage: zenlith-cups-round-trip OUTPUT-FOLDER
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QThread>
#include <QVBoxLayout>
#include <cstdio>
#include <variant>

#include "sky_calculator.h"
#include "parameter_line.h"
#include "pdf_reading.h"
#include "print_actions.h"
#include "system_printer.h"

namespace {

using zenlith::test::hasLineWithWordsOf;

int failures = 0;

void check(bool ok, const QString& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", qPrintable(what));
    failures += ok ? 0 : 1;
}

// The newest PDF that was not in the folder before, once the spooler has
// finished writing it; empty after a minute without one.
QString awaitNewPdf(const QDir& folder, const QStringList& before) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
            if (!before.contains(file.fileName()) && zenlith::test::pdfPageCount(file.filePath()) > 0) {
                return file.filePath();
            }
        }
        QThread::msleep(250);
    }
    return {};
}

QStringList pdfsIn(const QDir& folder) {
    return folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

void checkParameters(const QDir& folder) {
    zenlith::SkyCalculator calculator;
    const auto outcome = calculator.compute({"2024", "03", "05", "7", "04", false}, ".");
    const QString report = QString::fromStdString(std::get<zenlith::ComputedSky>(outcome).report);
    const std::string line = zenlith::parameterLine({"", "2024", "03", "05", "7", "04"}, ".");

    const QStringList before = pdfsIn(folder);
    zenlith::SystemPrinter printer;
    check(zenlith::printParameters(printer, QString::fromStdString(line), report) == zenlith::PrintStatus::printed,
          QStringLiteral("print parameters accepted by the spooler"));
    const QString pdf = awaitNewPdf(folder, before);
    check(!pdf.isEmpty(), QStringLiteral("parameters arrived as %1").arg(pdf));
    const QStringList lines = zenlith::test::pdfLines(pdf);
    check(hasLineWithWordsOf(lines, QStringLiteral("      לשעה : 4 : 7       תאריך : 2024 / 3 / 5")),
          QStringLiteral("parameter line reads back"));
    const QStringList reportLines = report.split(QStringLiteral("\r\n"));
    check(reportLines.size() == 9, QStringLiteral("the report has nine lines"));
    for (const QString& reportLine : reportLines) {
        check(hasLineWithWordsOf(lines, reportLine), QStringLiteral("report line reads back: ") + reportLine.left(40));
    }
}

void checkScreen(const QDir& folder) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("זניט"), &window));
    auto* chart = new QFrame(&window);
    chart->setMinimumSize(400, 200);
    layout->addWidget(chart);
    const auto setBorder = [chart](bool on) { chart->setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame); };

    const QStringList before = pdfsIn(folder);
    zenlith::SystemPrinter printer;
    check(zenlith::printScreen(printer, window, setBorder) == zenlith::PrintStatus::printed,
          QStringLiteral("print screen accepted by the spooler"));
    const QString pdf = awaitNewPdf(folder, before);
    check(!pdf.isEmpty(), QStringLiteral("screen arrived as %1").arg(pdf));
    check(!zenlith::test::pdfImagePages(pdf).isEmpty(), QStringLiteral("the screen page holds an image"));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    checkParameters(folder);
    checkScreen(folder);
    return failures == 0 ? 0 : 1;
}
