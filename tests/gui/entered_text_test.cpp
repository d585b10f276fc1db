// What enters a field, checked against Qt's own Unicode tables for every code
// point, and on the texts people paste.
#include <QChar>
#include <QString>
#include <gtest/gtest.h>

#include "entered_text.h"

using zenlith::cleanEnteredText;

TEST(EnteredText, FormatCharactersAndDigitsAgreeWithQtForEveryCodePoint) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (QChar::unicodeVersion(c) == QChar::Unicode_Unassigned) continue;
        const bool format = QChar::category(c) == QChar::Other_Format;
        ASSERT_EQ(zenlith::isFormatCharacter(c), format) << std::hex << static_cast<unsigned>(c);
        const int digit = QChar::category(c) == QChar::Number_DecimalDigit ? QChar::digitValue(c) : -1;
        ASSERT_EQ(zenlith::decimalDigitValue(c), digit) << std::hex << static_cast<unsigned>(c);
    }
}

TEST(EnteredText, ShowsExactlyWhatIsRead) {
    EXPECT_EQ(cleanEnteredText("\u200e12"), "12");
    EXPECT_EQ(cleanEnteredText("2\u200b024"), "2024");
    EXPECT_EQ(cleanEnteredText("\ufeff\u202b\u2067\u200c\u200d1\u061c\u200f\u2069\u202c"), "1");
    EXPECT_EQ(cleanEnteredText("٢٠٢٤"), "2024");   // Arabic-Indic
    EXPECT_EQ(cleanEnteredText("۲۰۲۴"), "2024");   // Persian
    EXPECT_EQ(cleanEnteredText("２０２４"), "2024");  // full width
    EXPECT_EQ(cleanEnteredText("१२abc"), "12abc");  // Devanagari
    EXPECT_EQ(cleanEnteredText("½²ⅻ שנה"), "½²ⅻ שנה");  // numbers that are not digits stay
    // Bytes that are no character go, and cannot join into one afterwards.
    EXPECT_EQ(cleanEnteredText("1\xe2\x80\xe2\x80\x8e\x8e"), "1");
    EXPECT_EQ(cleanEnteredText("\xed\xa0\x80" "5"), "5");  // an encoded surrogate
}
