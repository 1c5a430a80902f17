// longtap.exe: the launcher's window, never shown, and its message loop. The loop must keep
// running: on 64-bit Windows the hook of a 32-bit library is run for 64-bit processes on
// this thread, so nothing here waits (the calibrator is started, not awaited).
#include <windows.h>

#include <string>
#include <vector>

#include "common/launcher.h"
#include "longtap/auto_launcher.h"

namespace {

longtap::Launcher* launcher = nullptr;

LRESULT CALLBACK formProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (msg >= WM_USER && launcher) {
        launcher->onMessage(msg, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

bool startProgram(const std::string& commandLine) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

// The manager and the hooked programs may run at a lower integrity level than the
// launcher; both filter calls are looked up, since older systems have neither.
void acceptMessages(HWND window) {
    using FilterEx = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using Filter = BOOL(WINAPI*)(UINT, DWORD);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto filterEx = reinterpret_cast<FilterEx>(
        reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilterEx")));
    auto filter = reinterpret_cast<Filter>(
        reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilter")));
    constexpr DWORD allow = 1;  // MSGFLT_ALLOW and MSGFLT_ADD
    for (UINT msg : {msgOpenHook, msgCloseHook, msgLongPress}) {
        if (filterEx)
            filterEx(window, msg, allow, nullptr);
        else if (filter)
            filter(msg, allow);
    }
}

HWND createForm(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = formProc;
    wc.hInstance = instance;
    wc.lpszClassName = launcherClass;
    if (!RegisterClassA(&wc)) return nullptr;
    return CreateWindowExA(0, launcherClass, launcherTitle, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                           nullptr, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (!longtap::Launcher::alone()) return 0;
    longtap::Launcher l(commandLine, startProgram);
    HWND form = createForm(instance);
    if (!form) return 1;
    acceptMessages(form);
    launcher = &l;
    l.begin();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    launcher = nullptr;
    return 0;
}
