#pragma once
// The name a saved PDF file is offered under: what it is and the instant it
// shows, so that several saved sheets sort by time (zenlith-2024-06-21-1200.pdf).
#include <QString>
#include <optional>

#include "civil_date.h"

namespace zenlith {

// "zenlith.pdf" while nothing has been computed.
QString pdfFileNameFor(const std::optional<CivilDateTime>& shown);

}  // namespace zenlith
