#pragma once
// The Change and Click handlers of the five input fields: they refuse values
// out of range with a message, empty the field, and enable or disable the next
// field of the chain year -> month -> day -> hour -> minute. The decisions
// are field_rules'; this class moves texts and states.
#include <QObject>
#include <string_view>

#include "field_rules.h"

class QLineEdit;

namespace zenlith {

class FieldCombo;
class MessageBox;

struct InputFields {
    QLineEdit* year;      // Text1
    FieldCombo* month;    // Combo1
    FieldCombo* day;      // Combo2
    FieldCombo* hour;     // Combo3
    FieldCombo* minute;   // Combo4
};

class FieldHandlers : public QObject {
    Q_OBJECT
public:
    FieldHandlers(const InputFields& fields, MessageBox& messages, QObject* parent);

signals:
    // A field's text changed, typed, picked or assigned, after its handler.
    void dateOrTimeChanged();

private:
    using Judge = field_rules::Judgement (*)(std::string_view, bool);

    void yearChanged();
    void countChanged(FieldCombo* field, Judge judge, std::string_view prompt, FieldCombo* next);
    void hourChanged();
    void minuteChanged();
    void hourPicked();
    void setMinutesForLastHour();
    void refuse(QLineEdit* field, std::string_view prompt);

    InputFields fields_;
    MessageBox& messages_;
    float hourCell_ = 0;
    // The field a handler is emptying after its refusal: the nested Change
    // run of that field refuses the empty text silently, so the user sees one
    // message per refusal.
    QLineEdit* emptying_ = nullptr;
};

}  // namespace zenlith
