#pragma once
// The month's table written out: CSV (RFC 4180: a header row, CR LF, fields
// quoted where they must be) for a spreadsheet, and aligned text for a
// terminal, from the same cells the window shows.
#include <span>
#include <string>
#include <vector>

#include "almanac_columns.h"

namespace zenlith {

enum class AlmanacHeadings { keys, hebrew };

void appendAlmanacCsvHeader(std::string& out, std::span<const AlmanacColumn> columns, AlmanacHeadings headings);
void appendAlmanacCsvRows(std::string& out, const std::vector<AlmanacDay>& days, std::span<const AlmanacColumn> columns,
                          const ClockRules& rules);

// The month's title, the Hebrew headings and a line a day, in columns as wide
// as their widest cell; "—" where a day has no such event.
void appendAlmanacText(std::string& out, const std::string& title, const std::vector<AlmanacDay>& days,
                       std::span<const AlmanacColumn> columns, const ClockRules& rules);

// Every column, in the table's order; the halachic times' only with them.
std::vector<AlmanacColumn> allAlmanacColumns(bool withZmanim);

}  // namespace zenlith
