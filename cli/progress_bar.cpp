#include "progress_bar.h"

#include <cstdio>
#include <string>

namespace zenlith::cli {

namespace {

constexpr auto redrawEvery = std::chrono::milliseconds(200);
constexpr int barWidth = 30;

std::string duration(double seconds) {
    const auto whole = static_cast<long long>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
    return text;
}

}  // namespace

ProgressBar::ProgressBar(std::ostream& terminal, std::optional<std::uint64_t> total)
    : terminal_(terminal), total_(total) {}

void ProgressBar::update(std::uint64_t done) {
    const Clock::time_point now = Clock::now();
    if (now - lastDrawn_ < redrawEvery) return;
    lastDrawn_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    std::string line = "\r";
    if (total_ && *total_ > 0) {
        const double fraction = static_cast<double>(done) / static_cast<double>(*total_);
        const int filled = static_cast<int>(fraction * barWidth);
        line += '[' + std::string(static_cast<std::size_t>(filled), '#') +
                std::string(static_cast<std::size_t>(barWidth - filled), ' ') + "] ";
        line += std::to_string(static_cast<int>(fraction * 100)) + "%  ";
    }
    line += std::to_string(done) + " instants  " + std::to_string(static_cast<long long>(rate)) + "/s";
    if (total_ && rate > 0) {
        line += "  " + duration(static_cast<double>(*total_ - done) / rate) + " left";
    }
    terminal_ << line << "\x1b[K" << std::flush;
    drawn_ = true;
}

void ProgressBar::finish() {
    if (drawn_) terminal_ << "\r\x1b[K" << std::flush;
    drawn_ = false;
}

}  // namespace zenlith::cli
