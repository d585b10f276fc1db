#pragma once
// What the window's fields say to a date and time typed into them in order:
// the refusal their Change handlers would show, if any. Front ends without
// the fields (the command line) check a date with this before computing, so
// that a date the window would refuse is refused with the same prompt.
#include <optional>

#include "compute_action.h"

namespace zenlith {

std::optional<Refusal> typedFieldsRefusal(const FieldTexts& fields);

}  // namespace zenlith
