// Details a person notices: the weekday line whole, Return on a button, the
// prompts' colons beside their fields.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QTest>

#include "engine.h"
#include "field_combo.h"
#include "window_fixture.h"

namespace {

// The width a line edit gives its text: its contents less Qt's fixed side
// margin of two pixels each side.
int textRoomOf(QLineEdit* line) {
    QStyleOptionFrame option;
    option.initFrom(line);
    option.lineWidth = line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, line);
    const QRect contents = line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line);
    const QMargins margins = line->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

// The columns of the image that hold ink, as runs [first, last].
std::vector<std::pair<int, int>> inkRuns(const QImage& image, QRgb ground) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y) ink = image.pixel(x, y) != ground;
        if (!ink) continue;
        if (!runs.empty() && runs.back().second == x - 1) {
            runs.back().second = x;
        } else {
            runs.emplace_back(x, x);
        }
    }
    return runs;
}

}  // namespace

TEST_F(WindowTest, TheLongestWeekdayLineFitsItsBox) {
    startAt("05/03/2024", "7:04:09");
    // The last seven days of a leap year: every weekday, with the longest
    // day-of-year numbers and the leap-year words.
    zenlith::Engine engine;
    const QFontMetrics metrics(calendarLine()->font());
    int widest = 0;
    for (float day = 25; day <= 31; ++day) {
        zenlith::CivilInstant instant{2024, 12, day, 12, 0, false};
        engine.convertCalendar(instant);
        const QString line = QString::fromStdString(engine.leapText + engine.weekdayText + engine.dayOfYearText);
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    EXPECT_LE(widest, textRoomOf(calendarLine()));
}

TEST_F(WindowTest, ReturnAndEnterPressAFocusedButton) {
    startAt("05/03/2024", "7:04:09");
    auto* compute = window->findChild<QPushButton*>(QStringLiteral("Command1"));
    compute->setFocus();
    QTest::keyClick(compute, Qt::Key_Return);
    EXPECT_FALSE(report()->toPlainText().isEmpty());
    type(day(), QStringLiteral("6"));
    const QString first = calendarLine()->text();
    compute->setFocus();
    QTest::keyClick(compute, Qt::Key_Enter);
    EXPECT_NE(calendarLine()->text(), first);
}

// A prompt reads ": הכנס שנה" with its field on the left: the colon, two dots
// in one narrow column, is the leftmost mark.
TEST_F(WindowTest, PromptsShowTheirColonNextToTheirField) {
    startAt("05/03/2024", "7:04:09");
    for (const char* name : {"Label2", "Label3", "Label4", "Label5", "Label8"}) {
        QLabel* prompt = label(name);
        const QImage image = prompt->grab().toImage();
        const auto runs = inkRuns(image, image.pixel(image.width() - 1, 0));
        ASSERT_GE(runs.size(), 3u) << name;
        EXPECT_LE(runs.front().second - runs.front().first, 2) << name;
        EXPECT_GT(runs.back().second - runs.back().first, 2) << name;
    }
}
