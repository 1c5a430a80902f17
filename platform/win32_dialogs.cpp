#include <windows.h>

#include "platform/win32_host.h"

namespace platform {

void Win32Host::beep(unsigned hz, unsigned ms) { Beep(hz, ms); }

int Win32Host::messageBox(const std::string& text, const std::string& caption,
                          unsigned buttons) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), buttons);
}

}  // namespace platform
