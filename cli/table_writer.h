#pragma once
// Rows of the table, one per body per instant: the instant as the site's
// clock reads it, the offset from universal time the computation used, the
// body, then the chosen figures. CSV follows RFC 4180 (header row, CR LF);
// TSV is the same with tabs and LF; JSON is one object a line; text is
// aligned in fixed columns for a terminal.
#include <string>
#include <string_view>
#include <vector>

#include "place.h"
#include "table_columns.h"

namespace zenlith::cli {

class TableWriter {
public:
    explicit TableWriter(TableColumns columns);

    // The place's clock as the computation reads it, seconds ahead of
    // universal time without and with summer time (Israel's by default);
    // the text's header names any place but the original site.
    void standAt(const Place& place, int standardOffsetSeconds, int summerOffsetSeconds);

    // Nothing for JSON Lines, whose every line names its values.
    void appendHeader(std::string& out) const;

    // summerTime: the clock reads the summer offset, otherwise the standard one.
    void appendRows(std::string& out, std::string_view instantText, bool summerTime, const SkyPlaces& places) const;

private:
    char* beginRow(char* out) const;
    char* writeCell(char* out, std::size_t column, std::string_view text, bool isNumber) const;
    char* writeNumberCell(char* out, std::size_t column, double value) const;
    char* writeNumber(char* out, double value) const;
    char* endRow(char* out) const;

    TableColumns columns_;
    std::string standardOffset_ = "+02:00";
    std::string summerOffset_ = "+03:00";
    std::string placeLine_;                 // the text's first line, where there is one
    std::vector<std::string> names_;        // every column's
    std::vector<std::string> jsonKeys_;     // "name": for each column
    std::vector<std::size_t> textWidths_;   // for the text style
    // For each body printed, where each field's figure lies in SkyPlaces
    // (bytes from its start), or -1 when the report does not give it.
    std::vector<std::vector<std::ptrdiff_t>> figureOffsets_;
};

}  // namespace zenlith::cli
