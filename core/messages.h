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

// The place field's refusals; every one ends with the forms it accepts.
inline constexpr std::string_view placeTitle = "מקום";
inline constexpr std::string_view placeForms =
    "אפשר להקליד שם של יישוב או עיר, בעברית או באנגלית, או קואורדינטות:\n"
    "31.7683, 35.2137\n"
    "31°46′N 35°13′E\n"
    "ואחריהן, אם רוצים, גובה במטרים ואזור זמן:\n"
    "31.7683, 35.2137, 754, Asia/Jerusalem";
inline constexpr std::string_view placeEmpty = "לא הוקלד מקום.";
inline constexpr std::string_view placeUnknown = "אין מקום בשם זה, וזו גם אינה צורה של קואורדינטות.";
inline constexpr std::string_view placeSeveral = "לשם זה מתאימים כמה מקומות:";
inline constexpr std::string_view placeLatitudeRange = "קו הרוחב צריך להיות בין 90- ל־90 מעלות.";
inline constexpr std::string_view placeLongitudeRange = "קו האורך צריך להיות בין 180- ל־180 מעלות.";
inline constexpr std::string_view placeHeightRange = "הגובה צריך להיות בין 500- ל־9000 מטרים.";
inline constexpr std::string_view placeNoZoneTables =
    "טבלאות אזורי הזמן של המערכת אינן נקראות, ולכן לא ידוע לפי איזה שעון לחשב כאן; הוסיפו אזור זמן אחרי הקואורדינטות.";
// The zone is not in the machine's time-zone database: its civil time cannot
// be told, and universal time must not pass for it.
inline constexpr std::string_view placeZoneUnknown =
    "אזור הזמן של המקום אינו במסד אזורי הזמן של המחשב, ולכן אי אפשר לדעת את השעה בו; התקינו את מסד אזורי הזמן (tzdata) או בחרו מקום אחר.";

}  // namespace zenlith::messages
