#include <windows.h>

#include "platform/win32_host.h"

namespace platform {

LibHandle Win32Host::loadLibrary(const std::string& name) {
    return reinterpret_cast<LibHandle>(LoadLibraryA(name.c_str()));
}

void* Win32Host::procAddress(LibHandle lib, const std::string& entry) {
    FARPROC address = GetProcAddress(reinterpret_cast<HMODULE>(lib), entry.c_str());
    return reinterpret_cast<void*>(address);
}

void Win32Host::freeLibrary(LibHandle lib) { FreeLibrary(reinterpret_cast<HMODULE>(lib)); }

}  // namespace platform
