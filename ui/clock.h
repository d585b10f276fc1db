#pragma once
// Where start-up gets the current date and time: as the texts the fields are
// cut from. Tests hand in any texts they like.
#include <string>

namespace zenlith {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::string dateText() const = 0;  // dd/mm/yyyy
    virtual std::string timeText() const = 0;  // h:mm:ss or hh:mm:ss, 24-hour
};

class SystemClock : public Clock {
public:
    std::string dateText() const override;
    std::string timeText() const override;
};

}  // namespace zenlith
