#pragma once
// Where the instants come from, a block at a time, so that memory stays the
// same however many there are: the --at list, a range, or lines of text.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "civil_date.h"
#include "options.h"

namespace zenlith::cli {

struct InstantBlock {
    std::vector<CivilDateTime> instants;  // ready to compute
    std::vector<bool> summerTimes;        // a range's: the clock's summer time at each of them
    std::vector<std::string> lines;       // or still to be read as instants
    std::uint64_t firstLineNumber = 1;    // of lines[0], counting from 1
    // Reading stopped after this block's items, for this reason.
    std::optional<std::string> error;
    std::size_t size() const { return lines.empty() ? instants.size() : lines.size(); }
};

class InstantSource {
public:
    virtual ~InstantSource() = default;
    // The next block, empty at the end.
    virtual void next(InstantBlock& block) = 0;
    // How many instants there are, when it is known in advance.
    virtual std::optional<std::uint64_t> total() const = 0;
};

inline constexpr std::size_t instantsPerBlock = 4096;

class ListSource final : public InstantSource {
public:
    explicit ListSource(std::vector<CivilDateTime> instants) : instants_(std::move(instants)) {}
    void next(InstantBlock& block) override;
    std::optional<std::uint64_t> total() const override { return instants_.size(); }

private:
    std::vector<CivilDateTime> instants_;
    std::size_t done_ = 0;
};

// Steps from the range's first instant, each counted from it (the n-th month
// is --from and n months); the last one is the latest that does not pass the
// range's end. Every row is a later instant than the one before, also across
// the clock's changes.
class RangeSource final : public InstantSource {
public:
    RangeSource(const InstantRange& range, std::unique_ptr<ClockRules> rules);
    void next(InstantBlock& block) override;
    // At most this many: a row that would repeat an instant is left out.
    std::optional<std::uint64_t> total() const override { return count_; }

private:
    std::optional<LocalTime> row(std::uint64_t n) const;
    bool withinRange(std::uint64_t n) const;
    std::unique_ptr<ClockRules> rules_;
    LocalTime first_;
    RangeStep step_;
    double lastInstant_;
    std::uint64_t count_ = 0;
    std::uint64_t done_ = 0;
    double previousInstant_;
};

// Lines from a file descriptor. A line longer than any instant, or a failed
// read, ends the input with a reason; so does an interruption.
class LineSource final : public InstantSource {
public:
    explicit LineSource(int fd) : fd_(fd) {}
    void next(InstantBlock& block) override;
    std::optional<std::uint64_t> total() const override { return std::nullopt; }

    static constexpr std::size_t longestLine = 100;

private:
    // Moves whole lines from the buffer into the block; false when a line is too long.
    bool takeLines(InstantBlock& block);
    bool fill(InstantBlock& block);
    int fd_;
    std::string buffer_;
    std::size_t start_ = 0;
    std::uint64_t nextLineNumber_ = 1;
    bool ended_ = false;
};

}  // namespace zenlith::cli
