#pragma once
// The hook logic's host for the unit tests: a settable clock in whole seconds, the settings
// file as text (or missing), and one ordered list of what the hook asked of the system.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "common/launcher.h"
#include "longtap/hook_host.h"

namespace longtap {

class FakeHookHost final : public HookHost {
public:
    static constexpr Handle launcherWindow = 0x1a;
    static constexpr Handle settingsStream = 0x5e;
    static constexpr Handle installedHook = 0x40;

    std::time_t now = 1000;
    unsigned long thread = 0x2c;
    bool logExists = false;
    std::optional<std::string> settings;  // nullopt: the file is missing
    std::string launcherTitleShown;       // "" : no launcher window
    bool hookRefused = false;
    bool unhookRefused = false;
    unsigned long error = 0;

    std::string log;
    std::vector<std::string> events;
    int settingsReads = 0;

    std::time_t clock() override { return now; }
    unsigned long threadId() override { return thread; }

    bool openLog() override { return logExists; }
    void writeLog(const char* format, std::va_list args) override {
        char line[512];
        std::vsnprintf(line, sizeof line, format, args);
        log += line;
    }
    void flushLog() override { events.push_back("flush"); }
    void closeLog() override { events.push_back("close log"); }
    void box(const char* text) override { events.push_back(std::string("box ") + text); }
    const char* ctimeText(std::time_t) override { return "Mon Jan 05 09:07:03 2015\n"; }

    Handle readSettings(LongPressDelays& d) override {
        ++settingsReads;
        if (!settings) return 0;
        std::FILE* f = fmemopen(settings->data(), settings->size(), "r");
        scanDelays(f, d);
        std::fclose(f);
        return settingsStream;
    }

    Handle findWindow(const char* className, const char* title) override {
        bool found = std::strcmp(className, launcherClass) == 0 && launcherTitleShown == title;
        return found ? launcherWindow : 0;
    }
    void post(Handle window, unsigned msg, std::uintptr_t wParam,
              std::intptr_t lParam) override {
        events.push_back("post " + std::to_string(window) + " " + std::to_string(msg) + " " +
                         std::to_string(wParam) + " " + std::to_string(lParam));
    }
    void beep(unsigned hz, unsigned ms) override {
        events.push_back("beep " + std::to_string(hz) + " " + std::to_string(ms));
    }
    void mouseEvent(unsigned flags) override {
        events.push_back("mouse_event " + std::to_string(flags));
    }

    Handle setHook(Handle module) override {
        events.push_back("set hook " + std::to_string(module));
        error = hookRefused ? 1428 : 0;
        return hookRefused ? 0 : installedHook;
    }
    bool unhook(Handle hook) override {
        events.push_back("unhook " + std::to_string(hook));
        error = unhookRefused ? 1404 : 0;
        return !unhookRefused;
    }
    unsigned long lastError() override { return error; }
    void clearLastError() override { error = 0; }
};

}  // namespace longtap
