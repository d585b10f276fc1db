// Thousands of random keystrokes, picks and button presses, invisible marks
// and digits of other scripts among them: the program keeps running, every
// field ends empty or holding a value its handler takes, and what a field
// shows is exactly what is read from it.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <random>

#include "field_cells.h"
#include "field_combo.h"
#include "reading_rule.h"
#include "window_fixture.h"

namespace {

bool shownAsRead(const QString& text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Format || (c.isDigit() && c.unicode() > 0x7F)) return false;
    }
    return true;
}

// The fields' ranges, restated here: empty, or beginning with a whole value
// inside the range; nothing in the text that a person does not see as it is
// read.
bool holdsAcceptableValue(const QString& text, double low, double high) {
    if (text.isEmpty()) return true;
    const std::string utf8 = text.toStdString();
    const auto value = zenlith::toSingleCell(zenlith::readNumber(utf8));
    return zenlith::readLeadingNumber(utf8) && value && *value == std::floor(*value) && *value >= low &&
           *value <= high && shownAsRead(text);
}

// The year takes a text without a number as no year.
bool holdsAcceptableYear(const QString& text) {
    return (!zenlith::readLeadingNumber(text.toStdString()) && shownAsRead(text)) ||
           holdsAcceptableValue(text, -9998, 9998);
}

class RandomUser {
public:
    explicit RandomUser(unsigned seed) : random_(seed) {}

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    QString text() {
        static const QString alphabet =
            QStringLiteral("0123456789012345678901234567890-+.eEdD&HhOo xa\u200e\u200f\u200b\ufeff\u2067٢٣２");
        QString typed;
        for (int length = below(7); length > 0; --length) typed += alphabet[below(static_cast<int>(alphabet.size()))];
        return typed;
    }

private:
    std::mt19937 random_;
};

}  // namespace

TEST_F(WindowTest, RandomTypingPickingAndComputingKeepsEveryFieldAcceptable) {
    startAt("05/03/2024", "7:04:09");
    RandomUser user(20240305);
    const std::array<QWidget*, 5> fields{year(), month(), day(), hour(), minute()};
    const std::array<zenlith::FieldCombo*, 4> lists{month(), day(), hour(), minute()};
    for (int step = 0; step < 3000; ++step) {
        const int action = user.below(10);
        if (action < 6) {
            QWidget* field = fields[static_cast<std::size_t>(user.below(5))];
            if (field->isEnabled()) user.below(2) ? type(field, user.text()) : paste(field, user.text());
        } else if (action < 8) {
            zenlith::FieldCombo* list = lists[static_cast<std::size_t>(user.below(4))];
            if (list->isEnabled()) pickEntry(list, user.below(list->count()));
        } else if (action < 9) {
            window->findChild<QCheckBox*>(QStringLiteral("Check4"))->toggle();
        } else {
            pressCompute();
        }
        ASSERT_TRUE(holdsAcceptableYear(year()->text())) << step << ": " << year()->text().toStdString();
        ASSERT_TRUE(holdsAcceptableValue(month()->currentText(), 1, 12)) << step << ": " << month()->currentText().toStdString();
        ASSERT_TRUE(holdsAcceptableValue(day()->currentText(), 1, 31)) << step << ": " << day()->currentText().toStdString();
        ASSERT_TRUE(holdsAcceptableValue(hour()->currentText(), 0, 24)) << step << ": " << hour()->currentText().toStdString();
        ASSERT_TRUE(holdsAcceptableValue(minute()->currentText(), 0, 59)) << step << ": " << minute()->currentText().toStdString();
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(messages.shown.empty());  // the refusal paths were exercised too
}
