#include "events_run.h"

#include <optional>
#include <string>

#include "candle_custom.h"
#include "day_calculator.h"
#include "day_sheet_json.h"
#include "day_sheet_text.h"
#include "instant_text.h"
#include "interruption.h"
#include "message_text.h"
#include "messages.h"
#include "table_output.h"

namespace zenlith::cli {

namespace {

CivilDateTime dayOf(const CivilDateTime& when) { return {when.year, when.month, when.day, 0, 0}; }

// Visits the dates of --at in their order, or every date from --from to --to,
// one at a time however long the range, each with the instant given for it;
// stops at the first false.
template <typename Visit>
bool forEachDate(const Options& options, Visit visit) {
    for (const CivilDateTime& when : options.at) {
        if (!visit(dayOf(when), when)) return false;
    }
    if (const auto& range = options.range) {
        if (!isValidCivilDateTime(range->from)) return visit(dayOf(range->from), range->from);
        if (!isValidCivilDateTime(range->to)) return visit(dayOf(range->to), range->to);
        const double last = julianDateOf(dayOf(range->to));
        for (CivilDateTime day = dayOf(range->from); julianDateOf(day) <= last; day = nextCivilDay(day)) {
            if (!visit(day, day)) return false;
        }
    }
    return true;
}

std::string dateText(const CivilDateTime& day) {
    std::string text;
    appendInstantText(text, day);
    return text.substr(0, text.find(' '));
}

void appendSheet(std::string& out, const CivilDateTime& day, const DaySheet& sheet, const ClockRules& rules,
                 TableStyle style) {
    if (style == TableStyle::json) {
        appendDayJsonLine(out, day, sheet, rules);
        return;
    }
    out += dateText(day) + '\n';
    for (const std::string& line : daySheetLines(sheet, rules, std::nullopt)) out += line + '\n';
    out += '\n';
}

}  // namespace

std::optional<ZmanimChoices> zmanimChoicesOf(const Options& options, const Place& place) {
    if (!options.zmanim) return std::nullopt;
    return ZmanimChoices{options.candleMinutes.value_or(candleLightingMinutes(suggestedCandleCustom(place))),
                         options.havdalah};
}

void appendDayJsonLine(std::string& out, const CivilDateTime& day, const DaySheet& sheet, const ClockRules& rules,
                       std::string_view more) {
    out += "{\"date\":\"" + dateText(day) + "\",";
    std::string sheetJson;
    appendDaySheetJson(sheetJson, sheet, rules);
    out.append(sheetJson, 1);  // its opening brace is already written
    if (!more.empty()) {
        out.pop_back();  // its closing brace
        out.append(",").append(more).append("}");
    }
    out += '\n';
}

int runDayEvents(const Options& options, const RunSettings& settings, std::ostream& errors) {
    auto fail = [&errors](const std::string& message, int status) {
        errors << "zenlith-ephemeris: " << message << '\n';
        return status;
    };
    const auto rules = settings.makeClockRules();
    DayCalculator days;
    days.standAt(settings.place);
    days.dipForHeight(options.horizonDip);
    const std::optional<ZmanimChoices> zmanim = zmanimChoicesOf(options, settings.place);
    std::string error;
    std::optional<TableOutput> output =
        options.outputPath ? TableOutput::open(*options.outputPath, error) : std::optional<TableOutput>(std::in_place);
    if (!output) return fail(error, exitFailed);
    std::string text;
    std::optional<std::string> failure;
    int status = exitFailed;
    forEachDate(options, [&](const CivilDateTime& day, const CivilDateTime& given) {
        if (interrupted()) {
            failure = "interrupted";
            status = exitInterrupted;
            return false;
        }
        if (!isValidCivilDateTime(day)) {
            failure = "--events: " + dateText(day) + " is not a day of the calendar";
            return false;
        }
        if (!isValidCivilDateTime(given) || given.hour == 24 || given.year == 0) {  // the figures refuse it too
            std::string instant;
            appendInstantText(instant, given);
            failure = "--events: " + instant + " is not a time of the day";
            return false;
        }
        const auto sheet = days.sheetFor(options.model, *rules, day.year, day.month, day.day, zmanim);
        if (!sheet) {
            const std::string where = "--events " + dateText(day);
            failure = options.model == ModelKind::precise
                          ? withWindowReason(where + " is refused", messages::beyondPreciseModel)
                          : where + ": the model gives no events for this day";
            return false;
        }
        text.clear();
        appendSheet(text, day, *sheet, *rules, options.columns.style);
        if (!output->write(text, error)) failure = error;
        return !failure;
    });
    if (!failure && !output->commit(error)) failure = error;
    return failure ? fail(*failure, status) : 0;
}

}  // namespace zenlith::cli
