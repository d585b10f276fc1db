#pragma once
// The command line: --help, --version, --at "YYYY-MM-DD HH:MM" (open at that
// instant, computed) and --summer on|off (the box, instead of the rules).
#include <QStringList>
#include <optional>
#include <variant>

#include "civil_date.h"

namespace zenlith {

struct StartOptions {
    std::optional<CivilDateTime> at;
    std::optional<bool> summerTime;
};

// Help and version are answered by the parser itself (text, status 0).
struct ImmediateAnswer {
    QString text;
};

// A one-line message saying what is wrong.
struct OptionError {
    QString message;
};

using ParsedOptions = std::variant<StartOptions, ImmediateAnswer, OptionError>;

ParsedOptions parseStartOptions(const QStringList& arguments);

}  // namespace zenlith
