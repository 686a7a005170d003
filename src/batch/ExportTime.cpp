#include "batch/ExportTime.h"

#include <ctime>

#include "web/CodePage.h"

namespace nomvera::batch {

LocalTime ExportTime::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (localtime_r(&now, &parts) == nullptr) return {};
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::string ExportTime::Text(const LocalTime& time) {
    static const std::string kYear = web::Local("年"), kMonth = web::Local("月"), kDay = web::Local("日"),
                             kHour = web::Local("时"), kMinute = web::Local("分"), kSecond = web::Local("秒");
    std::string text = std::to_string(time.year) + kYear + std::to_string(time.month) + kMonth +
                       std::to_string(time.day) + kDay;
    if (time.second != 0) {
        text += std::to_string(time.hour) + kHour + std::to_string(time.minute) + kMinute +
                std::to_string(time.second) + kSecond;
    } else if (time.minute != 0) {
        text += std::to_string(time.hour) + kHour + std::to_string(time.minute) + kMinute;
    } else if (time.hour != 0) {
        text += std::to_string(time.hour) + kHour;
    }
    return text;
}

}  // namespace nomvera::batch
