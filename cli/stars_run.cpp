#include "stars_run.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "instant_source.h"
#include "instant_text.h"
#include "interruption.h"
#include "star_catalogue.h"
#include "star_names.h"
#include "star_positions.h"
#include "summer_time.h"
#include "table_output.h"

namespace zenlith::cli {

namespace {

constexpr std::string_view keys[] = {"time", "utc_offset", "hr", "name", "mag", "ra", "decl", "az", "alt"};
constexpr std::size_t textWidths[] = {17, 10, 4, 14, 6, 8, 8, 8, 8};

struct StarRow {
    std::string_view time;
    std::string_view offset;
    int hr = 0;
    std::string_view name;
    double figures[5] = {};  // mag, ra, decl, az, alt
};

std::string numberText(double value, bool full) {
    char digits[32];
    const auto end = full ? std::to_chars(digits, digits + sizeof digits, value).ptr
                          : std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr;
    return std::string(digits, end);
}

// Catalogue names and designations hold letters, digits and spaces only:
// nothing CSV would quote or JSON escape.
void appendCell(std::string& out, std::size_t column, std::string_view text, TableStyle style) {
    switch (style) {
        case TableStyle::json: {
            const bool quoted = column < 2 || column == 3;
            out += column == 0 ? "{\"" : ",\"";
            out.append(keys[column]).append("\":");
            out.append(quoted ? "\"" : "").append(text).append(quoted ? "\"" : "");
            return;
        }
        case TableStyle::csv:
        case TableStyle::tsv:
            if (column > 0) out += style == TableStyle::csv ? ',' : '\t';
            out.append(text);
            return;
        case TableStyle::text: {
            if (column > 0) out += ' ';
            // Hebrew letters take two bytes and one column on a terminal.
            std::size_t shown = 0;
            for (const char c : text) shown += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            const std::string padding(textWidths[column] > shown ? textWidths[column] - shown : 0, ' ');
            const bool leftAligned = column < 2 || column == 3;
            out.append(leftAligned ? "" : padding).append(text).append(leftAligned ? padding : "");
            return;
        }
    }
}

void appendRowEnd(std::string& out, TableStyle style) {
    if (style == TableStyle::json) out += '}';
    out += style == TableStyle::csv ? "\r\n" : "\n";
}

void appendHeader(std::string& out, TableStyle style) {
    if (style == TableStyle::json) return;
    for (std::size_t column = 0; column < std::size(keys); ++column) appendCell(out, column, keys[column], style);
    appendRowEnd(out, style);
}

void appendRow(std::string& out, const StarRow& row, const TableColumns& columns) {
    appendCell(out, 0, row.time, columns.style);
    appendCell(out, 1, row.offset, columns.style);
    appendCell(out, 2, std::to_string(row.hr), columns.style);
    appendCell(out, 3, row.name, columns.style);
    for (std::size_t n = 0; n < std::size(row.figures); ++n) {
        appendCell(out, 4 + n, numberText(row.figures[n], columns.full), columns.style);
    }
    appendRowEnd(out, columns.style);
}

// The universal time of a civil instant of the site, and the offset its clock read.
struct ReadInstant {
    double julianDateUt;
    bool summerTime;
};

std::optional<ReadInstant> universalTime(const CivilDateTime& when, SummerMode summer, const ClockRules& rules) {
    if (!isValidCivilDateTime(when)) return std::nullopt;
    if (summer == SummerMode::automatic) {
        const auto inForce = summerTimeAt(rules, when);
        const auto ut = universalTimeOf(rules, when);
        if (!inForce || !ut) return std::nullopt;
        return ReadInstant{*ut, *inForce};
    }
    const bool on = summer == SummerMode::on;
    return ReadInstant{julianDateOf(when) - (on ? 3 : 2) / 24.0, on};
}

void appendStars(std::string& out, const std::string& time, const ReadInstant& instant, std::size_t count,
                 stars::StarPositions& positions, const TableColumns& columns) {
    positions.moveTo(instant.julianDateUt, originalSite());
    const auto catalogue = stars::catalogueStars();
    for (std::size_t i = 0; i < count; ++i) {
        const stars::EquatorialPlace apparent = positions.apparent(i);
        const stars::HorizontalPlace seen = positions.horizontal()[i];
        const std::string_view name = stars::hebrewStarName(catalogue[i].hr);
        appendRow(out,
                  {time, instant.summerTime ? "+03:00" : "+02:00", catalogue[i].hr,
                   name.empty() ? std::string_view(catalogue[i].designation) : name,
                   {catalogue[i].magnitude, apparent.raDegrees, apparent.declDegrees, seen.azimuthDegrees,
                    seen.altitudeDegrees}},
                  columns);
    }
}

std::unique_ptr<InstantSource> instantsOf(const Options& options, const RunSettings& settings) {
    if (options.range) return std::make_unique<RangeSource>(*options.range, settings.makeClockRules());
    return std::make_unique<ListSource>(options.at);
}

}  // namespace

int runStars(const Options& options, const RunSettings& settings, std::ostream& errors) {
    auto fail = [&errors](const std::string& message, int status) {
        errors << "zenlith-ephemeris: " << message << '\n';
        return status;
    };
    const auto rules = settings.makeClockRules();
    std::string error;
    std::optional<TableOutput> output =
        options.outputPath ? TableOutput::open(*options.outputPath, error) : std::optional<TableOutput>(std::in_place);
    if (!output) return fail(error, exitFailed);
    const std::size_t count = options.magnitudeLimit ? stars::starsToMagnitude(*options.magnitudeLimit)
                                                     : stars::catalogueStars().size();
    stars::StarPositions positions;
    std::string text;
    appendHeader(text, options.columns.style);
    const auto source = instantsOf(options, settings);
    for (InstantBlock block; source->next(block), block.size() > 0;) {
        for (const CivilDateTime& when : block.instants) {
            if (interrupted()) return fail("interrupted", exitInterrupted);
            std::string time;
            appendInstantText(time, when);
            const auto instant = universalTime(when, options.summer, *rules);
            if (!instant) return fail("--stars " + time + ": not a day and time of the calendar", exitFailed);
            appendStars(text, time, *instant, count, positions, options.columns);
            if (!output->write(text, error)) return fail(error, exitFailed);
            text.clear();
        }
    }
    if (!output->write(text, error) || !output->commit(error)) return fail(error, exitFailed);
    return 0;
}

}  // namespace zenlith::cli
