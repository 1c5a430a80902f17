#include "common/date_stamp.h"

#include <ctime>

#include "platform/host.h"

std::string dateStamp(const char* programFile) {
    platform::Host& h = platform::host();
    std::time_t modified = 0;
    if (!h.fileTime(programFile, modified) && !h.fileTime(h.programPath(), modified))
        return {};
    const std::string t = h.ctimeText(modified);  // "Mon Jan 05 09:07:03 2015\n"
    // A time the run time cannot convert gives a short or empty text, and no stamp.
    if (t.size() < 16)
        return {};
    return t.substr(8, 2) + t.substr(4, 3) + t.substr(11, 2) + t.substr(14, 2);
}
