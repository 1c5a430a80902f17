#include "platform/ctime_text.h"

#include <cstdio>

namespace platform {

std::string ctimeText(const std::tm& t) {
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* day = t.tm_wday >= 0 && t.tm_wday < 7 ? days[t.tm_wday] : "???";
    const char* month = t.tm_mon >= 0 && t.tm_mon < 12 ? months[t.tm_mon] : "???";
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %d\n", day, month, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec, t.tm_year + 1900);
    return text;
}

}  // namespace platform
