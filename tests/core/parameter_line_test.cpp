#include <gtest/gtest.h>

#include "parameter_line.h"

namespace zenlith {
namespace {

TEST(ParameterLine, StartsWithTheCaptionAndKeepsTheExactBlanks) {
    EXPECT_EQ(parameterLine({"", "2024", "3", "15", "17", "45"}, "."),
              "      לשעה : 45 : 17       תאריך : 2024 / 3 / 15");
    EXPECT_EQ(parameterLine({"כותרת", "2024", "3", "15", "17", "45"}, "."),
              "כותרת      לשעה : 45 : 17       תאריך : 2024 / 3 / 15");
}

TEST(ParameterLine, ReadsEachFieldAsTheNumberItBeginsWith) {
    // Leading zeros vanish, empty and non-numeric texts print 0, trailing
    // junk is ignored, blanks are skipped.
    const ParameterTexts zeros{"", "02024", "03", "05", "00", "04"};
    EXPECT_EQ(parameterLine(zeros, "."), "      לשעה : 4 : 0       תאריך : 2024 / 3 / 5");

    const ParameterTexts empty{"", "", "", "", "", ""};
    EXPECT_EQ(parameterLine(empty, "."), "      לשעה : 0 : 0       תאריך : 0 / 0 / 0");

    const ParameterTexts junk{"", "abc", "x7", "12ab", " 1 0", "&H1F"};
    EXPECT_EQ(parameterLine(junk, "."), "      לשעה : 31 : 10       תאריך : 0 / 0 / 12");
}

TEST(ParameterLine, WritesFractionsWithTheGivenSeparator) {
    const ParameterTexts texts{"", "2024.5", "1", "1", "7.25", "0"};
    EXPECT_EQ(parameterLine(texts, ","), "      לשעה : 0 : 7,25       תאריך : 2024,5 / 1 / 1");
}

}  // namespace
}  // namespace zenlith
