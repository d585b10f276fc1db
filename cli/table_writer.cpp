#include "table_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

#include "display_cut.h"
#include "number_text.h"
#include "place_text.h"

namespace zenlith::cli {

namespace {

constexpr std::size_t fixedColumns = 3;  // time, utc_offset, body
constexpr std::size_t timeWidth = 17;    // "-2000-01-01 00:00"
constexpr std::size_t bodyWidth = 7;     // "mercury"
constexpr std::size_t cutNumberWidth = 8;
constexpr std::size_t fullNumberWidth = 22;
// A row is built in a buffer of this size: fourteen columns at most, each
// far shorter than a twentieth of it.
constexpr std::size_t rowCapacity = 2048;

char* copy(char* out, std::string_view text) {
    return std::copy(text.begin(), text.end(), out);
}

// Everything this table writes as text is its own: digits, names and signs,
// never a character that CSV would have to quote or JSON to escape.
char* writePadded(char* out, std::string_view text, std::size_t width, bool rightAligned) {
    const std::size_t padding = width > text.size() ? width - text.size() : 0;
    if (rightAligned) out = std::fill_n(out, padding, ' ');
    out = copy(out, text);
    if (!rightAligned) out = std::fill_n(out, padding, ' ');
    return out;
}

}  // namespace

TableWriter::TableWriter(TableColumns columns) : columns_(std::move(columns)) {
    names_ = {"time", "utc_offset", "body"};
    textWidths_ = {timeWidth, names_[1].size(), bodyWidth};
    for (const Field field : columns_.fields) {
        names_.emplace_back(fieldName(field));
        textWidths_.push_back(std::max(names_.back().size(), columns_.full ? fullNumberWidth : cutNumberWidth));
    }
    for (const std::string& name : names_) {
        jsonKeys_.push_back("\"" + name + "\":");
    }
    const SkyPlaces layout;
    const auto* start = reinterpret_cast<const char*>(&layout);
    for (const int body : columns_.bodies) {
        auto& offsets = figureOffsets_.emplace_back();
        for (const Field field : columns_.fields) {
            const double* figure = fieldAddress(layout, body, field);
            offsets.push_back(figure ? reinterpret_cast<const char*>(figure) - start : -1);
        }
    }
}

void TableWriter::standAt(const Place& place, int standardOffsetSeconds, int summerOffsetSeconds) {
    standardOffset_ = isoOffsetText(standardOffsetSeconds);
    summerOffset_ = isoOffsetText(summerOffsetSeconds);
    placeLine_ = place == originalSite() || columns_.style != TableStyle::text ? "" : "# " + placeText(place) + " " + place.timeZone + "\n";
}

void TableWriter::appendHeader(std::string& out) const {
    if (columns_.style == TableStyle::json) return;
    out += placeLine_;
    std::array<char, rowCapacity> row;
    char* end = beginRow(row.data());
    for (std::size_t n = 0; n < names_.size(); ++n) {
        end = writeCell(end, n, names_[n], n >= fixedColumns);
    }
    end = endRow(end);
    out.append(row.data(), end);
}

void TableWriter::appendRows(std::string& out, std::string_view instantText, bool summerTime,
                             const SkyPlaces& places) const {
    const auto* start = reinterpret_cast<const char*>(&places);
    std::array<char, rowCapacity> row;
    for (std::size_t b = 0; b < columns_.bodies.size(); ++b) {
        char* end = beginRow(row.data());
        end = writeCell(end, 0, instantText, false);
        end = writeCell(end, 1, summerTime ? summerOffset_ : standardOffset_, false);
        end = writeCell(end, 2, bodyName(columns_.bodies[b]), false);
        const auto& offsets = figureOffsets_[b];
        for (std::size_t n = 0; n < offsets.size(); ++n) {
            if (offsets[n] >= 0) {
                double value;
                std::memcpy(&value, start + offsets[n], sizeof value);
                end = writeNumberCell(end, fixedColumns + n, value);
            } else if (columns_.style != TableStyle::json) {
                end = writeCell(end, fixedColumns + n, {}, true);
            }
        }
        if (columns_.style == TableStyle::text) {
            // Blank figures at the end of a line leave no trailing blanks.
            while (end > row.data() && end[-1] == ' ') --end;
        }
        end = endRow(end);
        out.append(row.data(), end);
    }
}

char* TableWriter::beginRow(char* out) const {
    if (columns_.style == TableStyle::json) *out++ = '{';
    return out;
}

char* TableWriter::writeCell(char* out, std::size_t column, std::string_view text, bool isNumber) const {
    const bool first = column == 0;
    switch (columns_.style) {
        case TableStyle::csv:
            if (!first) *out++ = ',';
            return copy(out, text);
        case TableStyle::tsv:
            if (!first) *out++ = '\t';
            return copy(out, text);
        case TableStyle::text:
            if (!first) *out++ = ' ';
            return writePadded(out, text, textWidths_[column], isNumber);
        case TableStyle::json:
            if (!first) *out++ = ',';
            out = copy(out, jsonKeys_[column]);
            if (isNumber) return copy(out, text);
            *out++ = '"';
            out = copy(out, text);
            *out++ = '"';
            return out;
    }
    return out;
}

char* TableWriter::writeNumber(char* out, double value) const {
    // Every digit that reads back, or the report's text of the cut figure.
    if (columns_.full) return std::to_chars(out, out + longestNumberText, value).ptr;
    return writeNumberText(out, cutToHundredths(value));
}

char* TableWriter::writeNumberCell(char* out, std::size_t column, double value) const {
    // Never a NaN or an infinity: a figure the model could not give is left blank.
    if (!std::isfinite(value)) {
        return writeCell(out, column, columns_.style == TableStyle::json ? "null" : "", true);
    }
    switch (columns_.style) {
        case TableStyle::csv: *out++ = ','; break;
        case TableStyle::tsv: *out++ = '\t'; break;
        case TableStyle::json: out = writeCell(out, column, {}, true); break;  // its key
        case TableStyle::text: {
            std::array<char, longestNumberText> number;
            const char* end = writeNumber(number.data(), value);
            return writeCell(out, column, {number.data(), static_cast<std::size_t>(end - number.data())}, true);
        }
    }
    return writeNumber(out, value);
}

char* TableWriter::endRow(char* out) const {
    switch (columns_.style) {
        case TableStyle::csv: return copy(out, "\r\n");
        case TableStyle::json: return copy(out, "}\n");
        case TableStyle::tsv:
        case TableStyle::text: *out++ = '\n'; return out;
    }
    return out;
}

}  // namespace zenlith::cli
