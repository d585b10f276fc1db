#pragma once
// Where start-up gets the current date and time: as the texts the fields are
// cut from. Tests hand in any texts they like.
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "summer_time.h"
#include "zone_clock_rules.h"

namespace zenlith {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::string dateText() const = 0;  // dd/mm/yyyy
    virtual std::string timeText() const = 0;  // h:mm:ss or hh:mm:ss, 24-hour
    // Whether the clock is on summer time, when it knows: in the repeated
    // autumn hour only this tells the two passes apart.
    virtual std::optional<bool> summerTime() const { return std::nullopt; }
    // The window keeps its own, for "Now".
    virtual std::unique_ptr<Clock> clone() const = 0;
    // The civil clock of the window's place, which the system clock reads
    // the time on; the rules must outlive the next reading.
    virtual void useRules(const ClockRules&) {}
};

// The place's civil time now (Israel's until told otherwise), whatever time
// zone the machine is set to.
class SystemClock : public Clock {
public:
    std::string dateText() const override;
    std::string timeText() const override;
    std::optional<bool> summerTime() const override;
    std::unique_ptr<Clock> clone() const override { return std::make_unique<SystemClock>(*this); }
    void useRules(const ClockRules& rules) override { rules_ = &rules; }

private:
    LocalTime now() const;
    const ClockRules* rules_ = &israelClockRules();
};

// Always tells the texts it was given: for tests and for pictures of fixed
// instants.
class FixedClock : public Clock {
public:
    FixedClock(std::string date, std::string time) : date_(std::move(date)), time_(std::move(time)) {}
    std::string dateText() const override { return date_; }
    std::string timeText() const override { return time_; }
    std::unique_ptr<Clock> clone() const override { return std::make_unique<FixedClock>(*this); }

private:
    std::string date_;
    std::string time_;
};

}  // namespace zenlith
