#include "parameter_line.h"

#include "number_text.h"
#include "reading_rule.h"

namespace zenlith {

std::string parameterLine(const ParameterTexts& texts, std::string_view decimalSeparator) {
    const auto field = [decimalSeparator](std::string_view text) {
        return numberText(readNumber(text), decimalSeparator);
    };
    std::string line(texts.frameCaption);
    line += "      לשעה : " + field(texts.minute) + " : " + field(texts.hour);
    line += "       תאריך : " + field(texts.year) + " / " + field(texts.month) + " / " + field(texts.day);
    return line;
}

}  // namespace zenlith
