#pragma once
// The civil date and time that the field texts stand for, read as the compute
// action reads them; nothing while they name no instant of the calendar (a
// field empty or half typed, a fraction, 31 April).
#include <optional>

#include "civil_date.h"
#include "compute_action.h"

namespace zenlith {

std::optional<CivilDateTime> enteredCivilTime(const FieldTexts& fields);

}  // namespace zenlith
