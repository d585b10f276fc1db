// Start-up: the fields from the clock, the lists, and the window as designed.
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <array>

#include "field_combo.h"
#include "legacy_fonts.h"
#include "messages.h"
#include "window_fixture.h"

namespace {

const std::array<const char*, 9> markerNames{"sun",    "mercury", "venus",  "mars", "jupiter",
                                             "saturn", "uranus",  "neptun", "moon1"};

}  // namespace

// The clock's texts as they stand, leading zeros and the clock's own year
// kept; every field open, nothing said; the summer-time box as the clock rules
// decide (their own test checks them against the time-zone database); the
// lists filled with no entry chosen.
TEST_F(WindowTest, FieldsTakeTheClockAsItReadsAndListsChooseNoEntry) {
    const struct {
        const char* date;
        const char* time;
        QStringList fields;  // year, month, day, hour, minute
        bool summer;
    } cases[] = {
        {"05/03/2024", "7:04:09", {"2024", "03", "05", "7", "04"}, false},
        {"05/03/2024", "17:45:30", {"2024", "03", "05", "17", "45"}, false},
        {"31/12/1999", "00:00:00", {"1999", "12", "31", "00", "00"}, false},
        {"27/10/2024", "1:30:00", {"2024", "10", "27", "1", "30"}, true},  // the repeated hour's first pass
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.time);
        startAt(c.date, c.time);
        const QList<QWidget*> fields{year(), month(), day(), hour(), minute()};
        for (int i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(textOf(fields[i]), c.fields[i]) << i;
            EXPECT_TRUE(fields[i]->isEnabled()) << i;
        }
        EXPECT_EQ(summerTime()->isChecked(), c.summer);
        EXPECT_TRUE(messages.shown.empty());
    }
    const std::array<std::pair<QComboBox*, int>, 4> lists{{{month(), 12}, {day(), 31}, {hour(), 25}, {minute(), 60}}};
    for (const auto& [list, entries] : lists) {
        EXPECT_EQ(list->count(), entries) << list->objectName().toStdString();
        EXPECT_EQ(list->currentIndex(), -1) << list->objectName().toStdString();
    }
    EXPECT_EQ(month()->itemText(0), "1");
    EXPECT_EQ(day()->itemText(4), "5");
    EXPECT_EQ(hour()->itemText(24), "24");
    EXPECT_EQ(minute()->itemText(0), "00");
    EXPECT_EQ(minute()->itemText(59), "59");
}

TEST_F(WindowTest, ClockTextsOfAnotherShapeAreJudgedLikeTypedTexts) {
    startAt("Mar 5 2024", "7:04:09");  // day "Ma", month " 5", year "2024"
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (ShownMessage{std::string(zenlith::messages::dayPrompt),
                                               std::string(zenlith::messages::wrongValueTitle)}));
    EXPECT_EQ(day()->currentText(), "");
    EXPECT_EQ(month()->currentText(), " 5");
    EXPECT_TRUE(minute()->isEnabled());  // the hour's own handler enabled it
}

TEST_F(WindowTest, AHandSetBoxHoldsUntilADateOrTimeFieldChanges) {
    startAt("27/10/2024", "1:30:00");
    QTest::mouseClick(summerTime(), Qt::LeftButton, {}, QPoint(5, 5));  // the hour's second pass
    ASSERT_FALSE(summerTime()->isChecked());
    pressCompute();
    EXPECT_FALSE(summerTime()->isChecked());
    erase(day());  // no date: the box keeps the user's choice
    EXPECT_FALSE(summerTime()->isChecked());
    type(day(), QStringLiteral("26"));
    EXPECT_TRUE(summerTime()->isChecked());
    type(month(), QStringLiteral("12"));
    EXPECT_FALSE(summerTime()->isChecked());
    pickEntry(month(), 6);
    EXPECT_TRUE(summerTime()->isChecked());
}

TEST_F(WindowTest, NothingIsComputedOrShownBeforeTheButton) {
    startAt("05/03/2024", "7:04:09");
    EXPECT_EQ(window->objectName(), "zenlith");
    EXPECT_EQ(window->windowTitle(), "Zenlith");
    EXPECT_EQ(window->size(), QSize(769, 531));  // 11535 by 7965 twips at 15 a pixel
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(report()->toPlainText().isEmpty());
    EXPECT_TRUE(calendarLine()->text().isEmpty());
    EXPECT_FALSE(window->findChild<QCheckBox*>(QStringLiteral("Check4"))->isChecked());
    for (const char* name : markerNames) EXPECT_FALSE(label(name)->isVisible()) << name;
    EXPECT_FALSE(label("moon")->isVisible());
    EXPECT_TRUE(label("plot")->pixmap().isNull());
}

TEST_F(WindowTest, KeyboardOrderFollowsTheDesign) {
    startAt("05/03/2024", "7:04:09");
    const std::array<const char*, 11> order{"plot",   "Text6", "Check4",   "Combo2",   "Combo1",  "Combo4",
                                            "Text1",  "Combo3", "Command1", "Command7", "Command2"};
    window->findChild<QWidget*>(QStringLiteral("plot"))->setFocus();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(window->focusWidget()->objectName(), QString::fromLatin1(order[i])) << order[i - 1];
    }
}

TEST(LegacyFonts, HebrewTextsHaveGlyphsInBothMappedFonts) {
    const QString hebrew = QStringLiteral("אבגדהוזחטיכךלמםנןסעפףצץקרשת");
    for (const char* family : {zenlith::msSerif, zenlith::msSansSerif}) {
        const QFontMetrics metrics(zenlith::legacyFont(family, 8.25));
        for (const QChar letter : hebrew) EXPECT_TRUE(metrics.inFont(letter)) << family;
    }
}
