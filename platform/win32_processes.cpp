#include <windows.h>

#include "platform/win32_host.h"

namespace platform {

bool Win32Host::run(const std::string& commandLine, int show) {
    return WinExec(commandLine.c_str(), static_cast<UINT>(show)) > 31;
}

WindowRef Win32Host::findWindow(const std::string& className, const std::string& title) {
    HWND window = FindWindowA(className.empty() ? nullptr : className.c_str(),
                              title.empty() ? nullptr : title.c_str());
    return reinterpret_cast<WindowRef>(window);
}

bool Win32Host::postMessage(WindowRef window, unsigned msg, std::uintptr_t wParam,
                            std::intptr_t lParam) {
    return PostMessageA(reinterpret_cast<HWND>(window), msg, wParam, lParam) != 0;
}

void Win32Host::bringForward(WindowRef window) {
    HWND hwnd = reinterpret_cast<HWND>(window);
    SetForegroundWindow(hwnd);
    BringWindowToTop(hwnd);
}

}  // namespace platform
