#include "common/debug_log.h"

#include <cstdarg>
#include <cstdio>

#include "platform/host.h"

namespace {
std::FILE* logStream = nullptr;
}

bool openLog(const char* path, const char* mode)
{
    platform::Host& h = platform::host();
    std::FILE* test = h.openFile(path, "r");
    if (!test)
        return false;
    std::fclose(test);
    logStream = h.openFile(path, mode);
    return logStream != nullptr;
}

bool logIsOpen() { return logStream != nullptr; }

void logf(const char* format, ...)
{
    if (!logStream)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(logStream, format, args);
    va_end(args);
}

void logFlush()
{
    if (logStream)
        std::fflush(logStream);
}

void logHeader(const char* tag)
{
    platform::Host& h = platform::host();
    logf(" ------ %s ------ %s", tag, h.ctimeText(h.now()).c_str());
}

void closeLog()
{
    if (!logStream)
        return;
    std::fputs("\n\n", logStream);
    std::fclose(logStream);
    logStream = nullptr;
}
