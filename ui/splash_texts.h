#pragma once
// The splash window's own words. Only "הפקה :" is fixed; the rest speaks of
// Zenlith itself.
#include <string_view>

namespace zenlith::splash_texts {

inline constexpr std::string_view productName = "Zenlith";
inline constexpr std::string_view producedBy = "הפקה :";
inline constexpr std::string_view supplier = "צוות זנלית";
inline constexpr std::string_view address = "zenlith.example";
inline constexpr std::string_view tagline = "מחשבון השמיים לשולחן העבודה";
inline constexpr std::string_view rights = "© כל הזכויות שמורות לצוות זנלית";
inline constexpr std::string_view warning =
    "אזהרה: תוכנה זו מוגנת בזכויות יוצרים. אין להעתיק או להפיץ אותה, כולה או חלקה, ללא רשות בכתב מצוות זנלית.";

}  // namespace zenlith::splash_texts
