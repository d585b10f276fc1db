#pragma once
// A one-line progress report on a terminal: a bar when the count is known,
// the instants done, the rate and the time left. Redrawn a few times a
// second at most, and erased at the end.
#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>

namespace zenlith::cli {

class ProgressBar {
public:
    ProgressBar(std::ostream& terminal, std::optional<std::uint64_t> total);
    void update(std::uint64_t done);
    void finish();

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& terminal_;
    std::optional<std::uint64_t> total_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastDrawn_ = start_;
    bool drawn_ = false;
};

}  // namespace zenlith::cli
