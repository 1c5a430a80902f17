#pragma once
// The host used when none was installed: the Win32 host in the win32 build.
#include "platform/host.h"

namespace platform {

Host& defaultHost();

}  // namespace platform
