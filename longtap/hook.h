#pragma once
// The long-press hook's state and logic, one copy per process the library is loaded into:
// a left press held for dlz seconds becomes a right click after the release, one held for
// dly seconds is reported to the launcher. The library's glue calls it from DllMain, its
// exports and its hook procedure.
#include <cstdint>
#include <ctime>

#include "common/longpress_file.h"
#include "longtap/hook_host.h"

namespace longtap {

// The mouse messages a press is made of, client and non-client area alike.
constexpr unsigned wmLButtonDown = 0x201;
constexpr unsigned wmLButtonUp = 0x202;
constexpr unsigned wmNcLButtonDown = 0xA1;
constexpr unsigned wmNcLButtonUp = 0xA2;
// mouse_event flags of the injected right click.
constexpr unsigned mouseRightDown = 0x08;
constexpr unsigned mouseRightUp = 0x10;

// openHook's results.
constexpr int hookInstalled = 0;
constexpr int hookFailed = 2;

class Hook {
public:
    explicit constexpr Hook(HookHost& host) : m_host(host) {}

    // Process attach, with the library's own module and the loading thread.
    void attach(Handle module, unsigned long tid);
    void threadAttached();
    void threadDetached();
    // Process detach; the hook handle stays as it is.
    void detach();

    int openHook();
    int closeHook();

    // Whether the hook procedure must hand a message to mouse(): every message while there
    // is a log, otherwise only the one that can move the press state. Inline and branch-
    // light, since it runs for every mouse message of every process.
    bool wants(unsigned msg) const {
        if (m_log) return true;
        if (m_tm1 == 0) return msg == wmLButtonDown || msg == wmNcLButtonDown;
        return msg == wmLButtonUp || msg == wmNcLButtonUp;
    }
    // One call of the hook procedure: code, message number, the hook record's address and
    // the cursor's x screen coordinate in it.
    void mouse(int code, unsigned msg, std::uintptr_t record, long x);

    Handle hook() const { return m_hHook; }
    Handle launcher() const { return m_hiAc; }
    LongPressDelays delays() const { return m_delays; }
    bool measuring() const { return m_tm1 != 0; }

private:
    void logf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void startPress();
    void endPress(long x);

    // The two fields wants() reads come first, side by side.
    bool m_log = false;
    std::time_t m_tm1 = 0;  // start of the press being measured; 0 = none
    std::time_t m_tm2 = 0;  // the last release
    HookHost& m_host;
    Handle m_hiAc = 0;
    Handle m_hMod = 0;
    Handle m_hHook = 0;
    unsigned long m_tid = 0;
    LongPressDelays m_delays;
};

}  // namespace longtap
