#include "constellations.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "star_catalogue.h"

namespace zenlith::stars {

namespace {

constexpr std::pair<std::string_view, std::string_view> names[] = {
    {"And", "אנדרומדה"}, {"Ant", "משאבה"}, {"Aps", "ציפור גן עדן"}, {"Aql", "נשר"},
    {"Aqr", "דלי"}, {"Ara", "מזבח"}, {"Ari", "טלה"}, {"Aur", "רכב"},
    {"Boo", "רועה"}, {"CMa", "הכלב הגדול"}, {"CMi", "הכלב הקטן"}, {"CVn", "כלבי הציד"},
    {"Cae", "מפסלת"}, {"Cam", "גירפה"}, {"Cap", "גדי"}, {"Car", "שדרית"},
    {"Cas", "קסיופאה"}, {"Cen", "קנטאור"}, {"Cep", "קפאוס"}, {"Cet", "לווייתן"},
    {"Cha", "זיקית"}, {"Cir", "מחוגה"}, {"Cnc", "סרטן"}, {"Col", "יונה"},
    {"Com", "שערות ברניקי"}, {"CrA", "הכתר הדרומי"}, {"CrB", "הכתר הצפוני"}, {"Crt", "גביע"},
    {"Cru", "הצלב הדרומי"}, {"Crv", "עורב"}, {"Cyg", "ברבור"}, {"Del", "דולפין"},
    {"Dor", "דג הזהב"}, {"Dra", "דרקון"}, {"Equ", "סייח"}, {"Eri", "ארידנוס"},
    {"For", "כבשן"}, {"Gem", "תאומים"}, {"Gru", "עגור"}, {"Her", "הרקולס"},
    {"Hor", "שעון"}, {"Hya", "הידרה"}, {"Hyi", "נחש המים"}, {"Ind", "הודי"},
    {"LMi", "האריה הקטן"}, {"Lac", "לטאה"}, {"Leo", "אריה"}, {"Lep", "ארנבת"},
    {"Lib", "מאזניים"}, {"Lup", "זאב"}, {"Lyn", "שונר"}, {"Lyr", "נבל"},
    {"Men", "הר השולחן"}, {"Mic", "מיקרוסקופ"}, {"Mon", "חד־קרן"}, {"Mus", "זבוב"},
    {"Nor", "סרגל"}, {"Oct", "אוקטנט"}, {"Oph", "נושא הנחש"}, {"Ori", "אוריון"},
    {"Pav", "טווס"}, {"Peg", "פגסוס"}, {"Per", "פרסאוס"}, {"Phe", "עוף החול"},
    {"Pic", "כן הצייר"}, {"PsA", "הדג הדרומי"}, {"Psc", "דגים"}, {"Pup", "ירכתיים"},
    {"Pyx", "מצפן"}, {"Ret", "רשת"}, {"Scl", "פסל"}, {"Sco", "עקרב"},
    {"Sct", "מגן"}, {"Ser", "נחש"}, {"Sex", "סקסטנט"}, {"Sge", "חץ"},
    {"Sgr", "קשת"}, {"Tau", "שור"}, {"Tel", "טלסקופ"}, {"TrA", "המשולש הדרומי"},
    {"Tri", "משולש"}, {"Tuc", "טוקן"}, {"UMa", "הדובה הגדולה"}, {"UMi", "הדובה הקטנה"},
    {"Vel", "מפרשים"}, {"Vir", "בתולה"}, {"Vol", "הדג המעופף"}, {"Vul", "שועל"},
};

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find(' '), line.size());
        words.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return words;
}

// One figure line: an abbreviation, then HR numbers joined by lines.
void addPolyline(std::vector<Constellation>& all, std::string_view line) {
    const auto words = wordsOf(line);
    if (words.size() < 3 || words[0].starts_with('#')) return;
    const auto owner = std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.abbreviation == words[0]; });
    if (owner == all.end()) return;
    std::vector<std::size_t> run;
    for (std::size_t n = 1; n < words.size(); ++n) {
        int hr = 0;
        std::from_chars(words[n].data(), words[n].data() + words[n].size(), hr);
        if (const auto index = catalogueIndexOf(hr)) run.push_back(*index);
    }
    if (run.size() > 1) owner->figure.push_back(std::move(run));
}

std::vector<Constellation> readConstellations() {
    std::vector<Constellation> all;
    for (const auto& [abbreviation, hebrew] : names) all.push_back({abbreviation, hebrew, {}});
    std::string_view text = constellationFiguresText();
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        addPolyline(all, text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return all;
}

}  // namespace

std::span<const Constellation> constellations() {
    static const std::vector<Constellation> all = readConstellations();
    return all;
}

}  // namespace zenlith::stars
