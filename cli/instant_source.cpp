#include "instant_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "interruption.h"

namespace zenlith::cli {

namespace {

constexpr double minutesPerDay = 1440;
constexpr std::size_t readSize = 1 << 16;

}  // namespace

void ListSource::next(InstantBlock& block) {
    block = {};
    const std::size_t count = std::min(instantsPerBlock, instants_.size() - done_);
    block.instants.assign(instants_.begin() + static_cast<std::ptrdiff_t>(done_),
                          instants_.begin() + static_cast<std::ptrdiff_t>(done_ + count));
    done_ += count;
}

RangeSource::RangeSource(const InstantRange& range)
    : firstReading_(julianDateOf(range.from)), stepMinutes_(range.stepMinutes) {
    const double spanMinutes = std::round((julianDateOf(range.to) - firstReading_) * minutesPerDay);
    count_ = spanMinutes < 0 ? 0 : static_cast<std::uint64_t>(spanMinutes) / static_cast<std::uint64_t>(stepMinutes_) + 1;
}

void RangeSource::next(InstantBlock& block) {
    block = {};
    const std::uint64_t count = std::min<std::uint64_t>(instantsPerBlock, count_ - done_);
    for (std::uint64_t n = done_; n < done_ + count; ++n) {
        // From the first instant each time, so that no error accumulates.
        const double minutes = static_cast<double>(n) * static_cast<double>(stepMinutes_);
        block.instants.push_back(civilDateTimeOf(firstReading_ + minutes / minutesPerDay));
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
