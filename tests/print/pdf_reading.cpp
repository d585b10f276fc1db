#include "pdf_reading.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace zenlith::test {

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList wordsOf(QString line) {
    static const QRegularExpression splitHebrew(QStringLiteral("(?<=[\u05D0-\u05EA])\\s+(?=[\u05D0-\u05EA])"));
    QStringList words = line.remove(splitHebrew).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    words.sort();
    return words;
}

}  // namespace

PdfLineBoxes pdfLineBoxes(const QString& fileName) {
    const QString layout = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), QStringLiteral("-l"),
                                                             QStringLiteral("1"), fileName, QStringLiteral("-")});
    PdfLineBoxes boxes;
    static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\""));
    boxes.pageWidth = page.match(layout).captured(1).toDouble();
    static const QRegularExpression line(QStringLiteral(
        "<line xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
    for (auto match = line.globalMatch(layout); match.hasNext();) {
        const auto found = match.next();
        boxes.lines.append(QRectF(QPointF(found.captured(1).toDouble(), found.captured(2).toDouble()),
                                  QPointF(found.captured(3).toDouble(), found.captured(4).toDouble())));
    }
    return boxes;
}

bool popplerAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QStringList pdfLines(const QString& fileName) {
    static const QRegularExpression directionMarks(QStringLiteral("[\u202A-\u202E]"));
    QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    return text.remove(directionMarks).split(QLatin1Char('\n'));
}

bool hasLineWithWordsOf(const QStringList& lines, const QString& expected) {
    constexpr qsizetype mostWrappedLines = 3;
    const QStringList wanted = wordsOf(expected);
    for (qsizetype first = 0; first < lines.size(); ++first) {
        for (qsizetype count = 1; count <= mostWrappedLines && first + count <= lines.size(); ++count) {
            if (wordsOf(lines.mid(first, count).join(QLatin1Char(' '))) == wanted) {
                return true;
            }
        }
    }
    return false;
}

int pdfPageCount(const QString& fileName) {
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    return pages.match(run(QStringLiteral("pdfinfo"), {fileName})).captured(1).toInt();
}

QList<int> pdfImagePages(const QString& fileName) {
    // The listing has two header lines, then one line per image, its page first.
    const QString listing = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), fileName});
    QList<int> pages;
    for (const QString& line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2)) {
        pages.append(line.split(QLatin1Char(' '), Qt::SkipEmptyParts).constFirst().toInt());
    }
    return pages;
}

QImage pdfPageImage(const QString& fileName, int page, int dotsPerInch) {
    const QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                                     QString::number(dotsPerInch), QStringLiteral("-f"), QString::number(page),
                                     QStringLiteral("-l"), QString::number(page), fileName, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

}  // namespace zenlith::test
