#include <windows.h>

#include "platform/win32_host.h"

namespace platform {

CursorRef Win32Host::loadCursorFile(const std::string& path) {
    return reinterpret_cast<CursorRef>(LoadCursorFromFileA(path.c_str()));
}

bool Win32Host::setSystemCursor(CursorRef cursor, unsigned id) {
    // The system takes the cursor it is given and destroys it later; a copy keeps the
    // caller's cursor usable for the next id and for setCursor.
    HCURSOR copy = CopyCursor(reinterpret_cast<HCURSOR>(cursor));
    if (!copy) return false;
    if (SetSystemCursor(copy, id)) return true;
    DestroyCursor(copy);
    return false;
}

CursorRef Win32Host::setCursor(CursorRef cursor) {
    return reinterpret_cast<CursorRef>(SetCursor(reinterpret_cast<HCURSOR>(cursor)));
}

int Win32Host::showCursor(bool show) { return ShowCursor(show ? TRUE : FALSE); }

}  // namespace platform
