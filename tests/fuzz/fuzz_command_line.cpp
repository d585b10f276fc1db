// Arbitrary bytes as a command line (arguments split at NUL bytes) and as
// lines of instants on standard input: the options are read or refused with a
// message, every line is computed or refused with a reason, and no row holds
// a NaN or an infinity.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "instant_worker.h"
#include "options.h"

namespace {

using namespace zenlith::cli;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::vector<std::string_view> split(std::string_view bytes, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find(separator, start)) != std::string_view::npos; start = end + 1) {
        parts.push_back(bytes.substr(start, end - start));
    }
    parts.push_back(bytes.substr(start));
    return parts;
}

void readCommandLine(std::string_view bytes) {
    const ParsedCommandLine parsed = parseCommandLine(split(bytes, '\0'));
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        require(!error->message.empty() && error->message.find('\n') == std::string::npos);
    }
}

void computeLines(std::string_view bytes) {
    static const TableWriter writer([] {
        TableColumns columns = allColumns();
        columns.style = TableStyle::json;
        return columns;
    }());
    static InstantWorker worker(writer, SummerMode::on, nullptr, zenlith::ModelKind::classic, zenlith::originalSite());
    InstantBlock block;
    for (const std::string_view line : split(bytes, '\n')) {
        block.lines.emplace_back(line);
    }
    worker.run(block, 0, block.lines.size());
    const std::string& rows = worker.output();
    require(rows.find("nan") == std::string::npos && rows.find("inf") == std::string::npos);
    require(worker.error() || rows.size() > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readCommandLine(bytes);
    computeLines(bytes);
    return 0;
}
