#pragma once
// A clock that always tells the texts it was given.
#include <string>

#include "clock.h"

class FixedClock : public zenlith::Clock {
public:
    FixedClock(std::string date, std::string time) : date_(std::move(date)), time_(std::move(time)) {}
    std::string dateText() const override { return date_; }
    std::string timeText() const override { return time_; }

private:
    std::string date_;
    std::string time_;
};
