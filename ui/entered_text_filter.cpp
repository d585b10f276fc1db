#include "entered_text_filter.h"

#include <algorithm>

#include "entered_text.h"
#include "qt_text.h"

namespace zenlith {

namespace {

QString cleaned(const QString& text) {
    return qtText(cleanEnteredText(text.toStdString()));
}

}  // namespace

// The cursor stays after the characters that stood before it.
QValidator::State EnteredTextFilter::validate(QString& input, int& position) const {
    const QString before = cleaned(input.left(position));
    input = cleaned(input);
    position = static_cast<int>(std::min(before.size(), input.size()));
    return Acceptable;
}

}  // namespace zenlith
