#include "instant_worker.h"

#include <charconv>

#include "instant_text.h"
#include "message_text.h"
#include "summer_time.h"
#include "typed_fields.h"

namespace zenlith::cli {

namespace {

std::string numberText(int value) {
    char digits[12];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The texts the window's fields would hold for this date and time.
FieldTexts fieldTextsOf(const CivilDateTime& when, bool summerTime) {
    return {numberText(when.year), numberText(when.month), numberText(when.day), numberText(when.hour),
            numberText(when.minute), summerTime};
}

std::string lineProblem(std::uint64_t lineNumber, std::string_view line) {
    const std::string where = "standard input line " + std::to_string(lineNumber);
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) {
        return where + " is empty; write one instant a line as YYYY-MM-DD HH:MM";
    }
    return where + " " + quotedForMessage(line) + " is not an instant; write YYYY-MM-DD HH:MM";
}

}  // namespace

std::string describeRefusal(std::string_view where, const CivilDateTime& when, std::string_view reason) {
    std::string text(where);
    text += ' ';
    appendInstantText(text, when);
    text += " is refused";
    return withWindowReason(text, reason);
}

InstantWorker::InstantWorker(const TableWriter& writer, SummerMode summer, std::unique_ptr<ClockRules> rules,
                             ModelKind model, const Place& place)
    : writer_(writer), summer_(summer), rules_(std::move(rules)), calculator_(model) {
    if (rules_) calculator_.standAt(place, *rules_);
}

bool InstantWorker::summerTimeAt(const CivilDateTime& when) const {
    switch (summer_) {
        case SummerMode::on: return true;
        case SummerMode::off: return false;
        case SummerMode::automatic: break;
    }
    // A date that does not exist has no summer time; the window refuses it.
    return zenlith::summerTimeAt(*rules_, when).value_or(false);
}

std::optional<std::string_view> InstantWorker::appendRows(const CivilDateTime& when, std::string& out,
                                                          Fields fields, std::optional<bool> summerTime) {
    const bool summer = summerTime.value_or(summerTimeAt(when));
    const FieldTexts texts = fieldTextsOf(when, summer);
    if (fields == Fields::toJudge) {
        if (const auto refusal = typedFieldsRefusal(texts)) return refusal->prompt;
    }
    const PlacementOutcome outcome = calculator_.place(texts);
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) return refusal->prompt;
    instantText_.clear();
    appendInstantText(instantText_, when);
    writer_.appendRows(out, instantText_, summer, std::get<PlacedSky>(outcome).places);
    return std::nullopt;
}

void InstantWorker::run(const InstantBlock& block, std::size_t first, std::size_t last) {
    output_.clear();
    error_.reset();
    // Instants that come ready (--at, a range) were judged before the run.
    const Fields fields = block.lines.empty() ? Fields::judged : Fields::toJudge;
    for (std::size_t n = first; n < last; ++n) {
        CivilDateTime when;
        if (block.lines.empty()) {
            when = block.instants[n];
        } else {
            const auto parsed = parseInstant(block.lines[n]);
            if (!parsed) {
                error_ = lineProblem(block.firstLineNumber + n, block.lines[n]);
                return;
            }
            when = *parsed;
        }
        const std::optional<bool> summer =
            block.summerTimes.empty() ? std::nullopt : std::optional<bool>(block.summerTimes[n]);
        if (const auto refusal = appendRows(when, output_, fields, summer)) {
            const std::string where =
                block.lines.empty() ? "instant" : "standard input line " + std::to_string(block.firstLineNumber + n) + ":";
            error_ = describeRefusal(where, when, *refusal);
            return;
        }
    }
}

}  // namespace zenlith::cli
