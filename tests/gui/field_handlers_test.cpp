// The handler chain and its messages, driven by keystrokes and list picks.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "field_combo.h"
#include "messages.h"
#include "window_fixture.h"

namespace {

ShownMessage wrongValue(std::string_view prompt) {
    return {std::string(prompt), std::string(zenlith::messages::wrongValueTitle)};
}

}  // namespace

class FieldHandlersTest : public WindowTest {
protected:
    void SetUp() override { startAt("05/03/2024", "7:04:09"); }
};

TEST_F(FieldHandlersTest, RefusedMonthShowsOneMessageEmptiesItAndDisablesTheDayOnly) {
    for (const char* refused : {"13", "0", "1.5"}) {
        messages.shown.clear();
        type(month(), QString::fromLatin1(refused));
        EXPECT_EQ(messages.shown, std::vector{wrongValue(zenlith::messages::monthPrompt)}) << refused;
        EXPECT_EQ(month()->currentText(), "") << refused;
        EXPECT_FALSE(day()->isEnabled()) << refused;
        EXPECT_TRUE(hour()->isEnabled()) << refused;  // the chain does not cascade
        EXPECT_EQ(hour()->currentText(), "7") << refused;
        type(month(), QStringLiteral("12"));
        EXPECT_TRUE(day()->isEnabled()) << refused;
    }
}

TEST_F(FieldHandlersTest, DeletingTheMonthAsksOnceAndTextWithTrailingLettersIsKept) {
    erase(month());
    EXPECT_EQ(messages.shown, std::vector{wrongValue(zenlith::messages::monthPrompt)});
    EXPECT_FALSE(day()->isEnabled());
    messages.shown.clear();
    type(month(), QStringLiteral("7abc"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(month()->currentText(), "7abc");
    EXPECT_TRUE(day()->isEnabled());
}

TEST_F(FieldHandlersTest, YearRefusesTheEndsOfItsRangeAndTakesAnEmptyTextSilently) {
    type(year(), QStringLiteral("-500"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(month()->isEnabled());
    type(year(), QStringLiteral("9999"));
    EXPECT_EQ(messages.shown, std::vector{wrongValue(zenlith::messages::yearPrompt)});
    EXPECT_EQ(year()->text(), "");
    EXPECT_FALSE(month()->isEnabled());
    EXPECT_TRUE(day()->isEnabled());
    messages.shown.clear();
    type(year(), QStringLiteral("x"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(month()->isEnabled());
}

TEST_F(FieldHandlersTest, TypedHour24LeavesMinutesEnabledPickedHour24DisablesThem) {
    type(hour(), QStringLiteral("24"));
    EXPECT_EQ(minute()->currentText(), "00");
    EXPECT_TRUE(minute()->isEnabled());
    QTest::keyClick(hour(), Qt::Key_Tab);  // leaving the field is no pick
    EXPECT_TRUE(minute()->isEnabled());
    type(minute(), QStringLiteral("30"));
    pickEntry(hour(), 24);
    EXPECT_EQ(hour()->currentText(), "24");
    EXPECT_EQ(minute()->currentText(), "00");
    EXPECT_FALSE(minute()->isEnabled());
    pickEntry(hour(), 5);
    EXPECT_EQ(hour()->currentText(), "5");
    EXPECT_TRUE(minute()->isEnabled());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FieldHandlersTest, HourWithoutANumberOrOutOfRangeIsRefusedOnce) {
    for (const char* refused : {"25", "-1", "NaN", "\U0001F600"}) {
        messages.shown.clear();
        paste(hour(), QString::fromUtf8(refused));
        EXPECT_EQ(messages.shown, std::vector{wrongValue(zenlith::messages::hourPrompt)}) << refused;
        EXPECT_EQ(hour()->currentText(), "") << refused;
        EXPECT_FALSE(minute()->isEnabled()) << refused;
        type(hour(), QStringLiteral("3"));
    }
}

TEST_F(FieldHandlersTest, FieldsShowWhatTheyReadWhateverIsPasted) {
    paste(hour(), QStringLiteral("\u200e12"));
    EXPECT_EQ(hour()->currentText(), "12");
    paste(day(), QStringLiteral("2\u200b1"));
    EXPECT_EQ(day()->currentText(), "21");
    paste(year(), QStringLiteral("\u202b٢٠٢٤\u202c"));
    EXPECT_EQ(year()->text(), "2024");
    type(minute(), QStringLiteral("３０"));
    EXPECT_EQ(minute()->currentText(), "30");
    EXPECT_EQ(minute()->lineEdit()->cursorPosition(), 2);
    EXPECT_TRUE(messages.shown.empty());
    pressCompute();
    EXPECT_TRUE(calendarLine()->isReadOnly());
    calendarLine()->setFocus();
    calendarLine()->selectAll();
    const QString line = calendarLine()->text();
    QTest::keyClicks(calendarLine(), QStringLiteral("xyz"));
    EXPECT_EQ(calendarLine()->text(), line);
    EXPECT_EQ(calendarLine()->selectedText(), line);
}

TEST_F(FieldHandlersTest, MinuteRefusesSixtyNegativesAndTextsWithoutANumberButNotZero) {
    for (const char* refused : {"60", "-5", "NaN", "\U0001F600"}) {
        messages.shown.clear();
        paste(minute(), QString::fromUtf8(refused));
        EXPECT_EQ(messages.shown, std::vector{wrongValue(zenlith::messages::minutePrompt)}) << refused;
        EXPECT_EQ(minute()->currentText(), "") << refused;
    }
    messages.shown.clear();
    type(minute(), QStringLiteral("00"));
    erase(minute());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FieldHandlersTest, NumbersBeyondSinglePrecisionAreRefusedAndEmptied) {
    paste(year(), QStringLiteral("1E40"));
    EXPECT_EQ(messages.shown, std::vector{wrongValue(zenlith::messages::yearPrompt)});
    EXPECT_EQ(year()->text(), "");
    EXPECT_FALSE(month()->isEnabled());
    type(year(), QStringLiteral("2024"));
    messages.shown.clear();
    paste(month(), QStringLiteral("1E400"));
    EXPECT_EQ(messages.shown, std::vector{wrongValue(zenlith::messages::monthPrompt)});
    EXPECT_EQ(month()->currentText(), "");
    EXPECT_FALSE(day()->isEnabled());
    messages.shown.clear();
    paste(minute(), QStringLiteral("1E40"));
    EXPECT_EQ(messages.shown, std::vector{wrongValue(zenlith::messages::minutePrompt)});
    EXPECT_EQ(minute()->currentText(), "");
}

TEST_F(FieldHandlersTest, AComboTellsPicksFromTypingAndNeverAddsTypedTexts) {
    QSignalSpy changes(day(), &zenlith::FieldCombo::changed);
    QSignalSpy picks(day(), &zenlith::FieldCombo::picked);
    type(day(), QStringLiteral("24"));
    QTest::keyClick(day(), Qt::Key_Tab);
    EXPECT_EQ(changes.count(), 2);  // "2", then "24"
    EXPECT_EQ(picks.count(), 0);
    pickEntry(day(), 9);
    EXPECT_EQ(day()->currentText(), "10");
    QTest::keyClick(day(), Qt::Key_Down);
    EXPECT_EQ(day()->currentText(), "11");
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(picks.count(), 2);
    EXPECT_EQ(day()->count(), 31);
}

TEST_F(FieldHandlersTest, PicksEnableTheNextFieldWithoutTestingTheText) {
    erase(day());
    erase(month());
    messages.shown.clear();
    ASSERT_FALSE(day()->isEnabled());
    pickEntry(month(), 1);
    EXPECT_TRUE(day()->isEnabled());
    EXPECT_FALSE(hour()->isEnabled());
    pickEntry(day(), 30);
    EXPECT_EQ(day()->currentText(), "31");
    EXPECT_TRUE(hour()->isEnabled());
    EXPECT_TRUE(messages.shown.empty());
}
