#include "star_names.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zenlith::stars {

namespace {

// By HR number; the brightest forty first, then the well-known fainter ones.
constexpr std::pair<int, std::string_view> names[] = {
    {2491, "סיריוס"}, {2326, "קנופוס"}, {5340, "ארקטורוס"}, {5459, "אלפא קנטאורי"},
    {7001, "וגה"}, {1708, "קפלה"}, {1713, "ריגל"}, {2943, "פרוקיון"},
    {472, "אכרנר"}, {2061, "בטלגז"}, {5267, "הדר"}, {7557, "אלטאיר"},
    {1457, "אלדברן"}, {6134, "אנטרס"}, {5056, "ספיקה"}, {2990, "פולוקס"},
    {8728, "פומלהאוט"}, {7924, "דנב"}, {4853, "מימוזה"}, {5460, "טולימן"},
    {4730, "אקרוקס"}, {3982, "רגולוס"}, {2618, "אדהרה"}, {6527, "שאולה"},
    {4763, "גקרוקס"}, {1790, "בלטריקס"}, {1791, "אלנת"}, {3685, "מיאפלצידוס"},
    {1903, "אלנילם"}, {4731, "אקרוקס ב׳"}, {8425, "אלנאיר"}, {4905, "אליות"},
    {3207, "רגור"}, {1017, "מירפק"}, {4301, "דובהה"}, {2693, "וזן"},
    {6879, "קאוס אוסטרליס"}, {5191, "אלקאיד"}, {3307, "אביור"}, {6553, "סרגס"},
    {2088, "מנקלינן"}, {6217, "אטריה"}, {2421, "אלהנה"}, {7790, "פיקוק"},
    {3485, "אלספינה"}, {3748, "אלפרד"}, {2891, "קסטור"}, {2294, "מירזם"},
    {617, "חמל"}, {424, "כוכב הצפון"}, {1948, "אלניטק"}, {15, "אלפרץ"},
    {5054, "מיצר"}, {936, "אלגול"}, {4534, "דנבולה"}, {8308, "אניף"},
    {6556, "ראס אלחגה"}, {8781, "מרקב"}, {5793, "אלפקה"}, {7121, "נונקי"},
    {168, "שדר"}, {188, "דיפדה"}, {5563, "קוכב"},
};

constexpr auto byNumber = [] {
    std::array<std::pair<int, std::string_view>, std::size(names)> sorted{};
    std::copy(std::begin(names), std::end(names), sorted.begin());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}();

}  // namespace

std::string_view hebrewStarName(int hr) {
    const auto found = std::lower_bound(byNumber.begin(), byNumber.end(), hr,
                                        [](const auto& entry, int number) { return entry.first < number; });
    return found != byNumber.end() && found->first == hr ? found->second : std::string_view();
}

}  // namespace zenlith::stars
