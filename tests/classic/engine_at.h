#pragma once
// An engine with its constants set and the calendar run for a local instant,
// ready for the Sun and the bodies; or with the whole sky computed.
#include <gtest/gtest.h>

#include "engine.h"

namespace zenlith {

inline Engine engineAt(float year, float month, float day, float hour, int minute, bool summer = false) {
    Engine engine;
    engine.setConstants();
    CivilInstant instant{year, month, day, hour, static_cast<std::int16_t>(minute), summer};
    EXPECT_EQ(engine.convertCalendar(instant), CalendarOverflow::none);
    engine.formDayNumber();
    return engine;
}

inline Engine skyAt(float year, float month, float day, float hour, int minute, bool summer = false) {
    Engine engine = engineAt(year, month, day, hour, minute, summer);
    engine.computeAllBodies();
    return engine;
}

}  // namespace zenlith
