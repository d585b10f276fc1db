#pragma once
// The main window's fixed Hebrew texts, in logical order, blanks and colons
// as designed.
#include <string_view>

namespace zenlith::window_texts {

inline constexpr std::string_view caption = "Zenlith";
inline constexpr std::string_view supplierLine = "Zenlith - מחשבון השמיים";  // Form1's caption
inline constexpr std::string_view legendCaption = "מקרא";

inline constexpr std::string_view computeButton = "הצג מיקום הכוכבים";
inline constexpr std::string_view printWindowButton = "הדפסת מסך";
inline constexpr std::string_view printParametersButton = "הדפסת פרמטרים";
inline constexpr std::string_view summerTime = "שעון קיץ";

inline constexpr std::string_view hourPrompt = ": הכנס שעה";
inline constexpr std::string_view minutePrompt = ": הכנס דקות";
inline constexpr std::string_view yearPrompt = ": הכנס שנה";
inline constexpr std::string_view monthPrompt = ": הכנס חודש ";
inline constexpr std::string_view dayPrompt = ": הכנס יום ";

inline constexpr std::string_view chartCaption = "";  // Frame5 has none

// What a screen reader announces for the controls that have no prompt.
inline constexpr std::string_view calendarLineName = "יום בשבוע ויום בשנה";
inline constexpr std::string_view reportName = "דוח מיקומי הכוכבים";
inline constexpr std::string_view reportDescription =
    "תשע שורות: השמש, שבעת כוכבי הלכת והירח, ולכל אחד מיקומו בשמיים ונתוניו";
inline constexpr std::string_view moonPictureName = "מופע הירח";

// The place field above the form.
inline constexpr std::string_view placePrompt = "מקום:";
inline constexpr std::string_view placeFieldName = "מקום";
inline constexpr std::string_view placeHint = "שם יישוב או עיר, בעברית או באנגלית, או קואורדינטות: 31.7683, 35.2137";

}  // namespace zenlith::window_texts
