#include "typed_fields.h"

#include "field_rules.h"
#include "messages.h"

namespace zenlith {

std::optional<Refusal> typedFieldsRefusal(const FieldTexts& fields) {
    auto refused = [](std::string_view prompt) { return Refusal{prompt, messages::wrongValueTitle}; };
    if (field_rules::judgeYear(fields.year).refused) return refused(messages::yearPrompt);
    if (field_rules::judgeMonth(fields.month, true).refused) return refused(messages::monthPrompt);
    if (field_rules::judgeDay(fields.day, true).refused) return refused(messages::dayPrompt);
    const auto hour = field_rules::judgeHour(fields.hour);
    if (hour.refused) return refused(messages::hourPrompt);
    // At 24 o'clock the window sets the minutes to 00 and locks the field.
    const bool lastHour = hour.value == field_rules::lastHour;
    if (field_rules::judgeMinute(fields.minute, !lastHour).refused ||
        (lastHour && field_rules::readField(fields.minute) != 0)) {
        return refused(messages::minutePrompt);
    }
    return std::nullopt;
}

}  // namespace zenlith
