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

// A refused text brings one message naming the field, empties the field and
// closes the next field only (the chain does not cascade); a value the field
// takes opens it again. Texts the rules take pass silently. Which texts each
// field refuses is the rules' own test; here one or two of each kind.
TEST_F(FieldHandlersTest, ARefusalSaysWhichFieldEmptiesItAndClosesTheNextOnly) {
    enum Entry { typed, pasted };
    const struct {
        int field;  // year, month, day, hour, minute
        const char* text;
        Entry entry;
        std::string_view prompt;  // empty: nothing is said
        const char* shown;
        bool nextEnabled;
    } cases[] = {
        {0, "-500", typed, {}, "-500", true},
        {0, "9999", typed, zenlith::messages::yearPrompt, "", false},
        {0, "x", typed, {}, "x", false},  // no year: silent, and no month
        {0, "1E40", pasted, zenlith::messages::yearPrompt, "", false},
        {1, "13", typed, zenlith::messages::monthPrompt, "", false},
        {1, "", typed, zenlith::messages::monthPrompt, "", false},
        {1, "7abc", typed, {}, "7abc", true},
        {1, "1E400", pasted, zenlith::messages::monthPrompt, "", false},
        {3, "25", pasted, zenlith::messages::hourPrompt, "", false},
        {3, "\U0001F600", pasted, zenlith::messages::hourPrompt, "", false},
        {4, "60", pasted, zenlith::messages::minutePrompt, "", true},
        {4, "", typed, {}, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " '" + c.text + "'");
        startAt("05/03/2024", "7:04:09");
        const QList<QWidget*> fields{year(), month(), day(), hour(), minute()};
        QWidget* field = fields[c.field];
        if (c.entry == typed) {
            type(field, QString::fromUtf8(c.text));
        } else {
            paste(field, QString::fromUtf8(c.text));
        }
        const std::vector<ShownMessage> said =
            c.prompt.empty() ? std::vector<ShownMessage>{} : std::vector{wrongValue(c.prompt)};
        EXPECT_EQ(messages.shown, said);
        EXPECT_EQ(textOf(field), QString::fromUtf8(c.shown));
        if (c.field + 1 < fields.size()) {
            EXPECT_EQ(fields[c.field + 1]->isEnabled(), c.nextEnabled);
        }
        if (c.field + 2 < fields.size()) {
            EXPECT_TRUE(fields[c.field + 2]->isEnabled());
            EXPECT_EQ(textOf(fields[c.field + 2]), QStringList({"03", "05", "7", "04"})[c.field + 1]);
        }
        messages.shown.clear();
        type(field, QStringLiteral("1"));
        EXPECT_TRUE(messages.shown.empty());
        if (c.field + 1 < fields.size()) {
            EXPECT_TRUE(fields[c.field + 1]->isEnabled());
        }
    }
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
