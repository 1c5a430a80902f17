// longtap.dll: the glue between Windows and the hook logic. Windows loads it into every
// process that takes mouse input while the hook is installed, so it does the least there:
// DllMain only sets up the per-process state, and the hook procedure only compares the
// message number unless a press is open or the process has a log.
#include <windows.h>

#include <cstdio>

#include "common/launcher.h"
#include "common/longpress_file.h"
#include "longtap/exports.h"
#include "longtap/hook.h"

namespace {

using longtap::Handle;

LRESULT CALLBACK moumh(int code, WPARAM wParam, LPARAM lParam);

class Win32HookHost final : public longtap::HookHost {
public:
    std::time_t clock() override { return std::time(nullptr); }
    unsigned long threadId() override { return GetCurrentThreadId(); }

    bool openLog() override {
        const char* path = "\\longtap.log";
        std::FILE* test = std::fopen(path, "r");
        if (!test) return false;
        std::fclose(test);
        m_log = std::fopen(path, "a+");
        return m_log != nullptr;
    }
    void writeLog(const char* format, std::va_list args) override {
        if (m_log) std::vfprintf(m_log, format, args);
    }
    void flushLog() override {
        if (m_log) std::fflush(m_log);
    }
    void closeLog() override {
        if (m_log) std::fclose(m_log);
        m_log = nullptr;
    }
    void box(const char* text) override { MessageBoxA(nullptr, text, "longtap.dll", MB_OK); }
    const char* ctimeText(std::time_t t) override {
        const char* text = std::ctime(&t);
        return text ? text : "\n";
    }

    Handle readSettings(LongPressDelays& d) override {
        std::FILE* f = std::fopen(longPressFile, "r");
        if (!f) return 0;
        scanDelays(f, d);
        std::fclose(f);
        return reinterpret_cast<Handle>(f);
    }

    Handle findWindow(const char* className, const char* title) override {
        return reinterpret_cast<Handle>(FindWindowA(className, title));
    }
    void post(Handle window, unsigned msg, std::uintptr_t wParam,
              std::intptr_t lParam) override {
        PostMessageA(reinterpret_cast<HWND>(window), msg, wParam, lParam);
    }
    void beep(unsigned hz, unsigned ms) override { Beep(hz, ms); }
    void mouseEvent(unsigned flags) override {
        mouse_event(flags, 0, 0, 0, static_cast<ULONG_PTR>(GetMessageExtraInfo()));
    }

    Handle setHook(Handle module) override {
        return reinterpret_cast<Handle>(
            SetWindowsHookExA(WH_MOUSE, moumh, reinterpret_cast<HINSTANCE>(module), 0));
    }
    bool unhook(Handle hook) override {
        return UnhookWindowsHookEx(reinterpret_cast<HHOOK>(hook)) != 0;
    }
    unsigned long lastError() override { return GetLastError(); }
    void clearLastError() override { SetLastError(0); }

private:
    std::FILE* m_log = nullptr;
};

// Constant-initialised: nothing runs before DllMain.
constinit Win32HookHost host;
constinit longtap::Hook hook{host};

LRESULT callNext(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(reinterpret_cast<HHOOK>(hook.hook()), code, wParam, lParam);
}

// Out of line, so that the common path of moumh needs no frame of its own.
__attribute__((noinline)) LRESULT lookAt(int code, WPARAM wParam, LPARAM lParam) {
    const auto* record = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
    hook.mouse(code, static_cast<unsigned>(wParam), static_cast<std::uintptr_t>(lParam),
               record->pt.x);
    return callNext(code, wParam, lParam);
}

LRESULT CALLBACK moumh(int code, WPARAM wParam, LPARAM lParam) {
    if (hook.wants(static_cast<unsigned>(wParam))) return lookAt(code, wParam, lParam);
    return callNext(code, wParam, lParam);
}

}  // namespace

extern "C" int openHook() { return hook.openHook(); }
extern "C" int closeHook() { return hook.closeHook(); }

int fnLongtap() { return 42; }
int nLongtap = 0;

CLongtap::CLongtap() {}
CLongtap& CLongtap::operator=(const CLongtap&) = default;

// Runs under the loader lock: no thread starts, no library loads, only the state of this
// process (its log, the launcher's window, the settings).
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        hook.attach(reinterpret_cast<Handle>(module), GetCurrentThreadId());
        break;
    case DLL_THREAD_ATTACH:
        hook.threadAttached();
        break;
    case DLL_THREAD_DETACH:
        hook.threadDetached();
        break;
    case DLL_PROCESS_DETACH:
        hook.detach();
        break;
    }
    return TRUE;
}
