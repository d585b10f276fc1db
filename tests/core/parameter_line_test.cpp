#include <gtest/gtest.h>

#include "parameter_line.h"

namespace zenlith {
namespace {

// The caption comes first and the blanks are exact; each field reads as the
// number it begins with (leading zeros vanish, empty and non-numeric texts
// print 0, trailing junk is ignored, blanks are skipped), fractions with the
// given separator.
TEST(ParameterLine, StartsWithTheCaptionAndReadsEachFieldAsTheNumberItBeginsWith) {
    const struct {
        ParameterTexts texts;
        const char* separator;
        const char* line;
    } cases[] = {
        {{"", "2024", "3", "15", "17", "45"}, ".", "      לשעה : 45 : 17       תאריך : 2024 / 3 / 15"},
        {{"כותרת", "2024", "3", "15", "17", "45"}, ".", "כותרת      לשעה : 45 : 17       תאריך : 2024 / 3 / 15"},
        {{"", "02024", "03", "05", "00", "04"}, ".", "      לשעה : 4 : 0       תאריך : 2024 / 3 / 5"},
        {{"", "", "", "", "", ""}, ".", "      לשעה : 0 : 0       תאריך : 0 / 0 / 0"},
        {{"", "abc", "x7", "12ab", " 1 0", "&H1F"}, ".", "      לשעה : 31 : 10       תאריך : 0 / 0 / 12"},
        {{"", "2024.5", "1", "1", "7.25", "0"}, ",", "      לשעה : 0 : 7,25       תאריך : 2024,5 / 1 / 1"},
    };
    for (const auto& c : cases) EXPECT_EQ(parameterLine(c.texts, c.separator), c.line);
}

}  // namespace
}  // namespace zenlith
