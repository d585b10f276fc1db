#pragma once
// Cleans a field's text as it enters, typed, pasted or assigned, before any
// Change handler sees it (see entered_text.h for what is removed or
// converted).
#include <QValidator>

namespace zenlith {

class EnteredTextFilter : public QValidator {
public:
    explicit EnteredTextFilter(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int& position) const override;
};

}  // namespace zenlith
