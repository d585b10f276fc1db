#include "table_writer.h"

#include <algorithm>
#include <cmath>

#include "display_cut.h"
#include "number_cells.h"

namespace zenlith::cli {

namespace {

constexpr std::size_t fixedColumns = 3;  // time, utc_offset, body
constexpr std::size_t timeWidth = 17;    // "-2000-01-01 00:00"
constexpr std::size_t bodyWidth = 7;     // "mercury"
constexpr std::size_t cutNumberWidth = 8;
constexpr std::size_t fullNumberWidth = 22;

// Everything this table writes as text is its own: digits, names and signs,
// never a character that CSV would have to quote or JSON to escape.
void appendPadded(std::string& out, std::string_view text, std::size_t width, bool rightAligned) {
    const std::size_t padding = width > text.size() ? width - text.size() : 0;
    if (rightAligned) out.append(padding, ' ');
    out += text;
    if (!rightAligned) out.append(padding, ' ');
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
}

void TableWriter::appendHeader(std::string& out) const {
    if (columns_.style == TableStyle::json) return;
    beginRow(out);
    for (std::size_t n = 0; n < names_.size(); ++n) {
        appendCell(out, n, names_[n], n >= fixedColumns);
    }
    endRow(out);
}

void TableWriter::appendRows(std::string& out, std::string_view instantText, bool summerTime,
                             const SkyPlaces& places) const {
    for (const int body : columns_.bodies) {
        beginRow(out);
        appendCell(out, 0, instantText, false);
        appendCell(out, 1, summerTime ? "+03:00" : "+02:00", false);
        appendCell(out, 2, bodyName(body), false);
        for (std::size_t n = 0; n < columns_.fields.size(); ++n) {
            const std::optional<double> value = fieldValue(places, body, columns_.fields[n]);
            if (value) {
                appendNumberCell(out, fixedColumns + n, *value);
            } else if (columns_.style != TableStyle::json) {
                appendCell(out, fixedColumns + n, {}, true);
            }
        }
        endRow(out);
    }
}

void TableWriter::beginRow(std::string& out) const {
    if (columns_.style == TableStyle::json) out += '{';
}

void TableWriter::appendCell(std::string& out, std::size_t column, std::string_view text, bool isNumber) const {
    const bool first = column == 0;
    switch (columns_.style) {
        case TableStyle::csv:
            if (!first) out += ',';
            out += text;
            break;
        case TableStyle::tsv:
            if (!first) out += '\t';
            out += text;
            break;
        case TableStyle::text:
            if (!first) out += ' ';
            appendPadded(out, text, textWidths_[column], isNumber);
            break;
        case TableStyle::json:
            if (out.back() != '{') out += ',';
            out += jsonKeys_[column];
            if (isNumber) {
                out += text;
            } else {
                out += '"';
                out += text;
                out += '"';
            }
            break;
    }
}

void TableWriter::appendNumberCell(std::string& out, std::size_t column, double value) const {
    // Never a NaN or an infinity: a figure the model could not give is left blank.
    if (!std::isfinite(value)) {
        appendCell(out, column, columns_.style == TableStyle::json ? "null" : "", true);
        return;
    }
    if (columns_.style == TableStyle::text) {
        std::string number;
        columns_.full ? appendRoundTripNumber(number, value) : appendShownNumber(number, cutToHundredths(value));
        appendCell(out, column, number, true);
        return;
    }
    appendCell(out, column, {}, true);  // the separator, or the JSON key
    columns_.full ? appendRoundTripNumber(out, value) : appendShownNumber(out, cutToHundredths(value));
}

void TableWriter::endRow(std::string& out) const {
    switch (columns_.style) {
        case TableStyle::csv: out += "\r\n"; break;
        case TableStyle::json: out += "}\n"; break;
        case TableStyle::tsv:
        case TableStyle::text: out += '\n'; break;
    }
}

}  // namespace zenlith::cli
