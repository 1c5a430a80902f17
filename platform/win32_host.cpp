#include "platform/default_host.h"
#include "platform/win32_host.h"

namespace platform {

Host& defaultHost() {
    static Win32Host win32;
    return win32;
}

}  // namespace platform
