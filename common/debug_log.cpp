#include "common/debug_log.h"

#include <cstdarg>
#include <cstdio>

#include "platform/host.h"

namespace {
platform::File logStream;
}

bool openLog(const char* path, const char* mode) {
    platform::Host& h = platform::host();
    if (!h.openFile(path, "r"))
        return false;
    logStream = h.openFile(path, mode);
    return logStream != nullptr;
}

bool logIsOpen() { return logStream != nullptr; }

void logf(const char* format, ...) {
    if (!logStream)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(logStream.get(), format, args);
    va_end(args);
}

void logFlush() {
    if (logStream)
        std::fflush(logStream.get());
}

void logHeader(const char* tag) {
    platform::Host& h = platform::host();
    logf(" ------ %s ------ %s", tag, h.ctimeText(h.now()).c_str());
}

void closeLog() {
    if (!logStream)
        return;
    std::fputs("\n\n", logStream.get());
    logStream.reset();
}
