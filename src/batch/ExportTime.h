#pragma once
// The local date and time that an export stamps into its header line, and the clock that reads it.
// The clock is a plain function so tests can fix the time to the second.

#include <functional>
#include <string>

namespace nomvera::batch {

struct LocalTime {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

using LocalClock = std::function<LocalTime()>;

class ExportTime {
public:
    // The system's local time now.
    static LocalTime Now();

    // 2015年3月21日9时5分7秒; trailing zero parts are left off from the seconds upwards
    // (2015年3月21日14时30分, 2015年3月21日). Code page 936.
    static std::string Text(const LocalTime& time);
};

}  // namespace nomvera::batch
