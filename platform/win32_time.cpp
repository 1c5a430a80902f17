#include <windows.h>

#include "platform/ctime_text.h"
#include "platform/win32_host.h"

namespace platform {

std::uint32_t Win32Host::tickCount() { return GetTickCount(); }

std::time_t Win32Host::now() { return std::time(nullptr); }

std::string Win32Host::ctimeText(std::time_t t) {
    const std::tm* local = std::localtime(&t);
    return local ? platform::ctimeText(*local) : std::string();
}

void Win32Host::pause(unsigned ms) { Sleep(ms); }

}  // namespace platform
