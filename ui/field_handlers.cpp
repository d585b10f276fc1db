#include "field_handlers.h"

#include <QLineEdit>
#include <QScopedValueRollback>

#include "entered_text_filter.h"
#include "field_combo.h"
#include "message_box.h"
#include "messages.h"
#include "qt_text.h"

namespace zenlith {

namespace {

std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

}  // namespace

FieldHandlers::FieldHandlers(const InputFields& fields, MessageBox& messages, QObject* parent)
    : QObject(parent), fields_(fields), messages_(messages) {
    auto* filter = new EnteredTextFilter(this);
    fields_.year->setValidator(filter);
    for (FieldCombo* field : {fields_.month, fields_.day, fields_.hour, fields_.minute}) field->setValidator(filter);
    connect(fields_.year, &QLineEdit::textChanged, this, &FieldHandlers::yearChanged);
    connect(fields_.month, &FieldCombo::changed, this,
            [this] { countChanged(fields_.month, field_rules::judgeMonth, messages::monthPrompt, fields_.day); });
    connect(fields_.day, &FieldCombo::changed, this,
            [this] { countChanged(fields_.day, field_rules::judgeDay, messages::dayPrompt, fields_.hour); });
    connect(fields_.hour, &FieldCombo::changed, this, &FieldHandlers::hourChanged);
    connect(fields_.minute, &FieldCombo::changed, this, &FieldHandlers::minuteChanged);
    connect(fields_.month, &FieldCombo::picked, this, [this] {
        if (field_rules::monthPickEnablesDay(fields_.month->currentIndex())) fields_.day->setEnabled(true);
    });
    connect(fields_.day, &FieldCombo::picked, this, [this] {
        if (field_rules::dayPickEnablesHour(fields_.day->currentIndex())) fields_.hour->setEnabled(true);
    });
    connect(fields_.hour, &FieldCombo::picked, this, &FieldHandlers::hourPicked);
    // Connected last, so it follows every handler above.
    connect(fields_.year, &QLineEdit::textChanged, this, &FieldHandlers::dateOrTimeChanged);
    for (FieldCombo* field : {fields_.month, fields_.day, fields_.hour, fields_.minute}) {
        connect(field, &FieldCombo::changed, this, &FieldHandlers::dateOrTimeChanged);
        connect(field, &FieldCombo::picked, this, &FieldHandlers::dateOrTimeChanged);
    }
}

void FieldHandlers::yearChanged() {
    const auto year = field_rules::judgeYear(textOf(fields_.year));
    if (year.refused) refuse(fields_.year, messages::yearPrompt);
    fields_.month->setEnabled(year.value != 0);
}

// Month and day: tested only while enabled; the next field follows the value
// read either way.
void FieldHandlers::countChanged(FieldCombo* field, Judge judge, std::string_view prompt, FieldCombo* next) {
    const auto count = judge(textOf(field->lineEdit()), field->isEnabled());
    if (count.refused) refuse(field->lineEdit(), prompt);
    next->setEnabled(count.value != 0);
}

// The minute field is enabled first, so that a refusal's nested run and the
// 24 o'clock rule below see it enabled; at the end it follows the hour text.
void FieldHandlers::hourChanged() {
    const auto hour = field_rules::judgeHour(textOf(fields_.hour->lineEdit()));
    hourCell_ = hour.value;
    fields_.minute->setEnabled(true);
    if (hour.refused) refuse(fields_.hour->lineEdit(), messages::hourPrompt);
    if (hourCell_ == field_rules::lastHour) setMinutesForLastHour();
    fields_.minute->setEnabled(!fields_.hour->currentText().isEmpty());
}

void FieldHandlers::minuteChanged() {
    const auto minute = field_rules::judgeMinute(textOf(fields_.minute->lineEdit()), fields_.minute->isEnabled());
    if (minute.refused) refuse(fields_.minute->lineEdit(), messages::minutePrompt);
}

void FieldHandlers::hourPicked() {
    fields_.minute->setEnabled(true);
    hourCell_ = field_rules::readField(textOf(fields_.hour->lineEdit()));
    if (hourCell_ == field_rules::lastHour) setMinutesForLastHour();
}

void FieldHandlers::setMinutesForLastHour() {
    fields_.minute->setEditText(qtText(field_rules::minutesAtLastHour));
    fields_.minute->setEnabled(false);
}

void FieldHandlers::refuse(QLineEdit* field, std::string_view prompt) {
    if (emptying_ != field) messages_.show(prompt, messages::wrongValueTitle);
    const QScopedValueRollback silence(emptying_, field);
    field->setText(QString());
}

}  // namespace zenlith
