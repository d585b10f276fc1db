#include "almanac_table_text.h"

#include <algorithm>

namespace zenlith {

namespace {

constexpr std::string_view absent = "—";

void appendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    out += '"';
}

// Characters, not bytes: every cell is UTF-8 the program wrote itself.
std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void appendPadded(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    out.append(width - std::min(width, characterCount(text)), ' ');
}

}  // namespace

void appendAlmanacCsvHeader(std::string& out, std::span<const AlmanacColumn> columns, AlmanacHeadings headings) {
    for (std::size_t n = 0; n < columns.size(); ++n) {
        const AlmanacColumnInfo& info = almanacColumnInfo(columns[n]);
        out += n == 0 ? "" : ",";
        appendCsvField(out, headings == AlmanacHeadings::keys ? info.key : info.heading);
    }
    out += "\r\n";
}

void appendAlmanacCsvRows(std::string& out, const std::vector<AlmanacDay>& days, std::span<const AlmanacColumn> columns,
                          const ClockRules& rules) {
    for (const AlmanacDay& day : days) {
        for (std::size_t n = 0; n < columns.size(); ++n) {
            out += n == 0 ? "" : ",";
            appendCsvField(out, almanacCell(day, columns[n], rules));
        }
        out += "\r\n";
    }
}

void appendAlmanacText(std::string& out, const std::string& title, const std::vector<AlmanacDay>& days,
                       std::span<const AlmanacColumn> columns, const ClockRules& rules) {
    std::vector<std::vector<std::string>> rows(1);
    for (const AlmanacColumn column : columns) rows[0].emplace_back(almanacColumnInfo(column).heading);
    for (const AlmanacDay& day : days) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const AlmanacColumn column : columns) {
            const std::string cell = almanacCell(day, column, rules);
            row.push_back(cell.empty() ? std::string(absent) : cell);
        }
    }
    std::vector<std::size_t> widths(columns.size());
    for (const auto& row : rows) {
        for (std::size_t n = 0; n < row.size(); ++n) widths[n] = std::max(widths[n], characterCount(row[n]));
    }
    out += title + '\n';
    for (const auto& row : rows) {
        for (std::size_t n = 0; n < row.size(); ++n) {
            if (n + 1 < row.size()) {
                appendPadded(out, row[n], widths[n] + 2);
            } else {
                out += row[n];
            }
        }
        out += '\n';
    }
}

std::vector<AlmanacColumn> allAlmanacColumns(bool withZmanim) {
    std::vector<AlmanacColumn> all;
    for (const AlmanacColumnInfo& info : almanacColumns()) {
        if (withZmanim || info.group != AlmanacGroup::zmanim) all.push_back(info.column);
    }
    return all;
}

}  // namespace zenlith
