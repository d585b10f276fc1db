#pragma once
// The program's own message texts, in one place: the field handlers, the
// compute action and the core's safety checks show exactly these.
#include <string_view>

namespace zenlith::messages {

inline constexpr std::string_view wrongValueTitle = "ערך שגוי";
inline constexpr std::string_view missingValueTitle = "ערך חסר";

inline constexpr std::string_view yearPrompt = "הקלד ערך עגול";
inline constexpr std::string_view monthPrompt = "הקלד ערך עגול בין  12 - 1";
inline constexpr std::string_view dayPrompt = "הקלד ערך עגול בין  31 - 1";
inline constexpr std::string_view hourPrompt = "הקלד ערך עגול בין  24 - 0";
inline constexpr std::string_view minutePrompt = "הקלד ערך עגול בין  59 - 0";

inline constexpr std::string_view dateDoesNotExist = "תאריך לא קיים";
inline constexpr std::string_view noDateEntered = "לא הוקלד תאריך";

// A time step that would leave the years the fields take.
inline constexpr std::string_view stepBeyondRange = "הצעד חורג מטווח השנים: 9998- עד 9998, ללא שנת 0";
inline constexpr std::string_view outOfRangeTitle = "מחוץ לטווח";

inline constexpr std::string_view beyondPreciseModel =
    "החישוב המדויק מכסה את השנים 1000 עד 2999 בלבד; לתאריך זה בחרו בחישוב הרגיל";

}  // namespace zenlith::messages
