#pragma once
// One core's share of a block: each instant read and checked as the window's
// fields would take it, computed on this worker's own calculator, and its rows
// appended to this worker's text.
#include <memory>
#include <optional>
#include <string>

#include "clock_rules.h"
#include "instant_source.h"
#include "options.h"
#include "sky_calculator.h"
#include "table_writer.h"

namespace zenlith::cli {

class InstantWorker {
public:
    // rules: the place's clock; nothing only at the original site with the
    // summer box given, which needs no database.
    InstantWorker(const TableWriter& writer, SummerMode summer, std::unique_ptr<ClockRules> rules, ModelKind model,
                  const Place& place);

    // Rows for items [first, last) of the block; stops at the first item it
    // cannot compute, with the reason in error().
    void run(const InstantBlock& block, std::size_t first, std::size_t last);
    const std::string& output() const { return output_; }
    const std::optional<std::string>& error() const { return error_; }

    // Whether the window's fields still have to judge an instant: those of a
    // range lie between its two ends, which were judged already.
    enum class Fields { toJudge, judged };

    // Appends one instant's rows, the summer-time box as given or else by
    // the clock's rules; the window's reason when it refuses it.
    std::optional<std::string_view> appendRows(const CivilDateTime& when, std::string& out,
                                               Fields fields = Fields::toJudge,
                                               std::optional<bool> summerTime = std::nullopt);

private:
    bool summerTimeAt(const CivilDateTime& when) const;

    const TableWriter& writer_;
    SummerMode summer_;
    std::unique_ptr<ClockRules> rules_;
    SkyCalculator calculator_;
    std::string output_;
    std::string instantText_;
    std::optional<std::string> error_;
};

// "line 12: " and the like: where a refused or unreadable instant was given.
std::string describeRefusal(std::string_view where, const CivilDateTime& when, std::string_view reason);

}  // namespace zenlith::cli
