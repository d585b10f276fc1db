// Arbitrary bytes as a user's session with the five fields: each chunk is one
// field's new text, typed (each growing prefix judged in turn, as keystrokes
// are) or pasted (judged once). Every text goes the way the window sends it:
// cleaned as it enters, judged by the field's rule, emptied when refused;
// each field's next field is enabled by the value it keeps, as the handler
// chain does. After every step each field must show exactly what is read
// from it, and the value its rule took must be the value the compute action
// reads. Nothing may crash or hang.
#include <array>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "entered_instant.h"
#include "entered_text.h"
#include "field_cells.h"
#include "field_rules.h"
#include "reading_rule.h"
#include "sky_calculator.h"

namespace {

namespace rules = zenlith::field_rules;

enum Field { year, month, day, hour, minute, fieldCount };

void require(bool condition) {
    if (!condition) std::abort();
}

rules::Judgement judge(int field, std::string_view text, bool enabled) {
    switch (field) {
        case year: return rules::judgeYear(text);
        case month: return rules::judgeMonth(text, enabled);
        case day: return rules::judgeDay(text, enabled);
        case hour: return rules::judgeHour(text);
        default: return rules::judgeMinute(text, enabled);
    }
}

bool showsWhatIsRead(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (zenlith::formatCharacterLengthAt(text, pos) > 0) return false;
    }
    return zenlith::cleanEnteredText(text) == text;
}

// What the compute action reads from a text (the minute's cell is whole; the
// rule's value is the one before rounding).
float computeReading(std::string_view text) {
    return zenlith::toSingleCell(zenlith::readNumber(text)).value_or(0);
}

struct Session {
    std::array<std::string, fieldCount> texts;
    std::array<bool, fieldCount> enabled{true, true, false, false, false};

    void enter(int field, std::string_view raw) {
        std::string& text = texts[static_cast<std::size_t>(field)];
        text = zenlith::cleanEnteredText(raw);
        const rules::Judgement judged = judge(field, text, enabled[static_cast<std::size_t>(field)]);
        if (judged.refused) text.clear();
        require(showsWhatIsRead(text));
        require(judged.value == (judged.refused ? 0 : computeReading(text)));
        const bool numberRequired = field == hour || (field == minute && enabled[minute]);
        require(!numberRequired || text.empty() || zenlith::readLeadingNumber(text));
        if (field + 1 < fieldCount) {
            enabled[static_cast<std::size_t>(field) + 1] = field == hour ? !text.empty() : judged.value != 0;
        }
    }

    zenlith::FieldTexts fields() const { return {texts[year], texts[month], texts[day], texts[hour], texts[minute], false}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static zenlith::SkyCalculator calculator;
    Session session;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Chunks separated by a line feed; a chunk's first byte picks the field
    // (its value modulo five) and, by its top bit, typing or pasting.
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view chunk = bytes.substr(start, end - start);
        start = end + 1;
        if (chunk.empty()) continue;
        const auto selector = static_cast<unsigned char>(chunk[0]);
        const int field = selector % fieldCount;
        const std::string_view text = chunk.substr(1);
        if (selector & 0x80) {
            for (std::size_t typed = 1; typed <= text.size(); ++typed) session.enter(field, text.substr(0, typed));
        } else {
            session.enter(field, text);
        }
    }
    zenlith::enteredCivilTime(session.fields());
    calculator.compute(session.fields(), ".");
    return 0;
}
