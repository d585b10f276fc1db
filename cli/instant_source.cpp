#include "instant_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "interruption.h"

namespace zenlith::cli {

namespace {

constexpr std::size_t readSize = 1 << 16;

// Roughly how long a step is, in days: a first guess at the rows a range holds.
double approximateDays(const RangeStep& step) {
    static constexpr double unitDays[] = {1.0 / 1440, 1.0 / 24, 1, 30.436875, 365.2425};
    return unitDays[static_cast<int>(step.unit)] * static_cast<double>(step.count);
}

}  // namespace

void ListSource::next(InstantBlock& block) {
    block = {};
    const std::size_t count = std::min(instantsPerBlock, instants_.size() - done_);
    block.instants.assign(instants_.begin() + static_cast<std::ptrdiff_t>(done_),
                          instants_.begin() + static_cast<std::ptrdiff_t>(done_ + count));
    done_ += count;
}

RangeSource::RangeSource(const InstantRange& range, std::unique_ptr<ClockRules> rules)
    : rules_(std::move(rules)), step_(range.step) {
    const bool summer = summerTimeAt(*rules_, range.from).value_or(false);
    first_ = {range.from, summer};
    const double firstInstant = universalTimeOf(*rules_, range.from, summer);
    lastInstant_ = universalTimeOf(*rules_, range.to, summerTimeAt(*rules_, range.to).value_or(false));
    previousInstant_ = firstInstant - 1;
    if (lastInstant_ < firstInstant) return;
    // A guess close to the count, then moved to where the rows pass the end.
    auto guess = static_cast<std::uint64_t>(std::max(0.0, (lastInstant_ - firstInstant) / approximateDays(step_)));
    while (guess > 0 && !withinRange(guess)) --guess;
    while (withinRange(guess + 1)) ++guess;
    count_ = guess + 1;
}

std::optional<LocalTime> RangeSource::row(std::uint64_t n) const {
    return stepped(*rules_, first_, step_.unit, static_cast<long long>(n) * step_.count);
}

bool RangeSource::withinRange(std::uint64_t n) const {
    const std::optional<LocalTime> at = row(n);
    return at && universalTimeOf(*rules_, at->clock, at->summer) <= lastInstant_ + 1e-9;
}

void RangeSource::next(InstantBlock& block) {
    block = {};
    const std::uint64_t count = std::min<std::uint64_t>(instantsPerBlock, count_ - done_);
    for (std::uint64_t n = done_; n < done_ + count; ++n) {
        const std::optional<LocalTime> at = row(n);
        if (!at) continue;
        const double instant = universalTimeOf(*rules_, at->clock, at->summer);
        // A leap day the calendar does not name can send two day steps to one day.
        if (instant <= previousInstant_ + 1e-9) continue;
        previousInstant_ = instant;
        block.instants.push_back(at->clock);
        block.summerTimes.push_back(at->summer);
    }
    done_ += count;
}

void LineSource::next(InstantBlock& block) {
    block = {};
    block.firstLineNumber = nextLineNumber_;
    while (block.lines.size() < instantsPerBlock && !block.error) {
        if (!takeLines(block)) break;
        // A terminal or a slow pipe: hand on what has come rather than wait.
        if (!block.lines.empty() && start_ == buffer_.size()) break;
        if (ended_ || !fill(block)) break;
    }
    nextLineNumber_ += block.lines.size();
}

bool LineSource::takeLines(InstantBlock& block) {
    while (block.lines.size() < instantsPerBlock) {
        const std::size_t end = buffer_.find('\n', start_);
        const std::size_t length = (end == std::string::npos ? buffer_.size() : end) - start_;
        if (length > longestLine) {
            block.error = "standard input line " + std::to_string(nextLineNumber_ + block.lines.size()) +
                          " is longer than any instant";
            return false;
        }
        if (end == std::string::npos) {
            if (ended_ && length > 0) {  // the last line, without its line break
                block.lines.emplace_back(buffer_, start_, length);
                start_ = buffer_.size();
            }
            break;
        }
        block.lines.emplace_back(buffer_, start_, length);
        start_ = end + 1;
    }
    buffer_.erase(0, start_);
    start_ = 0;
    return true;
}

bool LineSource::fill(InstantBlock& block) {
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + readSize);
    ssize_t got = -1;
    while (got < 0) {
        got = ::read(fd_, buffer_.data() + kept, readSize);
        if (got < 0 && (errno != EINTR || interrupted())) {
            buffer_.resize(kept);
            block.error = interrupted() ? std::string("interrupted")
                                        : "cannot read standard input: " + std::string(std::strerror(errno));
            return false;
        }
    }
    buffer_.resize(kept + static_cast<std::size_t>(got));
    ended_ = got == 0;
    if (ended_) return takeLines(block);
    return true;
}

}  // namespace zenlith::cli
