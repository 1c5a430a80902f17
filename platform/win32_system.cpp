#include <windows.h>

#include <cctype>
#include <cstring>

#include "platform/win32_host.h"

namespace platform {

namespace {

// The system's number of a monitor from its device name "\\.\DISPLAYn"; 0 when absent.
int displayNumber(const char* device) {
    const char* digits = std::strstr(device, "DISPLAY");
    if (!digits) return 0;
    digits += 7;
    int number = 0;
    while (std::isdigit(static_cast<unsigned char>(*digits))) number = number * 10 + (*digits++ - '0');
    return number;
}

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(list);
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    Monitor m;
    m.left = info.rcMonitor.left;
    m.top = info.rcMonitor.top;
    m.width = info.rcMonitor.right - info.rcMonitor.left;
    m.height = info.rcMonitor.bottom - info.rcMonitor.top;
    m.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    m.number = displayNumber(info.szDevice);
    if (m.number == 0) m.number = static_cast<int>(monitors.size()) + 1;
    monitors.push_back(m);
    return TRUE;
}

}  // namespace

std::vector<Monitor> Win32Host::monitors() {
    std::vector<Monitor> list;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&list));
    return list;
}

SystemInfo Win32Host::systemInfo() {
    SYSTEM_INFO si{};
    GetSystemInfo(&si);
    SystemInfo info;
    info.processorArchitecture = si.wProcessorArchitecture;
    info.oemId = si.dwOemId;
    char dir[MAX_PATH];
    UINT n = GetSystemDirectoryA(dir, MAX_PATH);
    if (n > 0 && n < MAX_PATH) info.systemDirectory.assign(dir, n);
    return info;
}

bool Win32Host::isAdministrator() {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID admins = nullptr;
    if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &admins))
        return false;
    BOOL member = FALSE;
    if (!CheckTokenMembership(nullptr, admins, &member)) member = FALSE;
    FreeSid(admins);
    if (!member) return false;

    // A split token (user account control) counts only when elevated.
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return true;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    bool limited = GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size) &&
                   type == TokenElevationTypeLimited;
    CloseHandle(token);
    return !limited;
}

}  // namespace platform
