#include "coming_text.h"

#include <array>
#include <cstdio>

#include "day_sheet_text.h"
#include "hebrew_date_text.h"

namespace zenlith {

namespace {

constexpr std::array<std::string_view, 19> kindNames = {
    "ירח חדש",
    "רבע ראשון",
    "ירח מלא",
    "רבע אחרון",
    "נקודת השוויון (מרץ)",
    "נקודת ההיפוך (יוני)",
    "נקודת השוויון (ספטמבר)",
    "נקודת ההיפוך (דצמבר)",
    "התקבצות עם השמש",
    "ניגוד לשמש",
    "התרחקות מרבית מהשמש, מזרחה (בערב)",
    "התרחקות מרבית מהשמש, מערבה (בבוקר)",
    "תחילת תנועה נסוגה",
    "סוף תנועה נסוגה",
    "התקרבות",
    "הירח בנקודה הקרובה (פריגאום)",
    "הירח בנקודה הרחוקה (אפוגאום)",
    "ליקוי ירח",
    "ליקוי חמה",
};
constexpr std::array<std::string_view, 5> eclipseKindNames = {"", "חצי-צל", "חלקי", "טבעתי", "מלא"};
constexpr std::array<std::string_view, 12> monthNames = {"ינואר", "פברואר", "מרץ",    "אפריל",   "מאי",    "יוני",
                                                         "יולי",  "אוגוסט", "ספטמבר", "אוקטובר", "נובמבר", "דצמבר"};

std::string number(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string eclipseText(const ComingEvent& event, const EclipseFigures& e, const ClockRules& rules) {
    if (e.kind == EclipseKind::none) {
        return ", לא נראה מכאן";
    }
    std::string text = " " + std::string(eclipseKindNames[static_cast<std::size_t>(e.kind)]) + ", גודל " +
                       number("%.2f", e.magnitude);
    if (event.kind == ComingKind::solarEclipse) {
        text += ", כיסוי " + number("%.0f%%", 100 * e.obscuration);
    }
    text += std::string(event.kind == ComingKind::solarEclipse ? ", גובה השמש " : ", גובה הירח ") +
            number("%.0f°", e.altitudeDegrees);
    if (!e.contacts.empty()) {
        text += ", מ-" + clockText(localTimeOf(rules, e.contacts.front().julianDate)) + " עד " +
                clockText(localTimeOf(rules, e.contacts.back().julianDate));
    }
    return text + (e.seen ? ", נראה מכאן" : ", לא נראה מכאן");
}

std::string whatText(const ComingEvent& event, const ClockRules& rules) {
    std::string text(kindNames[static_cast<std::size_t>(event.kind)]);
    const bool ofMoonOrSun = event.kind <= ComingKind::decemberSolstice || event.kind == ComingKind::perigee ||
                             event.kind == ComingKind::apogee || event.eclipse;
    if (!ofMoonOrSun) {
        text += ":";
        for (std::size_t k = 0; k < event.bodies.size(); ++k) {
            text += (k == 0 ? " " : " ו") + std::string(hebrewBodyName(event.bodies[k]));
        }
    }
    if (event.separationDegrees) text += ", במרחק " + number("%.2f°", *event.separationDegrees);
    if (event.elongationDegrees) text += ", " + number("%.1f°", *event.elongationDegrees);
    if (event.distanceKm) text += ", " + number("%.0f", *event.distanceKm) + " ק״מ";
    if (event.eclipse) text += eclipseText(event, *event.eclipse, rules);
    return text;
}

}  // namespace

ComingLine comingLine(const ComingEvent& event, const ClockRules& rules) {
    ComingLine line;
    line.local = localTimeOf(rules, event.julianDate);
    line.when = dateAndClockText(line.local);
    const CivilDateTime& c = line.local.clock;
    if (const std::optional<HebrewDate> hebrew = hebrewDateOf(c.year, c.month, c.day)) {
        line.hebrewDate = hebrewDateText(*hebrew);
    }
    line.what = whatText(event, rules);
    return line;
}

std::string monthTitle(int year, int month) {
    return std::string(monthNames.at(static_cast<std::size_t>(month - 1))) + " " + std::to_string(year);
}

}  // namespace zenlith
