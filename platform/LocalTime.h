#pragma once
// Local date and time as the save stores it in `savedAt`. Injected into the save so that tests
// fix the time.
#include <cstdint>

namespace hm {

struct LocalTime {
    uint16_t year = 0;
    uint16_t month = 0;      // 1..12
    uint16_t dayOfWeek = 0;  // 0 = Sunday
    uint16_t day = 0;
    uint16_t hour = 0;  // 0..23
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t milliseconds = 0;
};

// The current local time (localtime_r of the realtime clock). Thread-safe.
LocalTime currentLocalTime();

}  // namespace hm
