#pragma once
// What the hook logic needs of the process it is loaded into. The library's glue answers
// with Win32 calls; the unit tests with a recording fake. It is not platform::Host: the
// library links nothing but the C run time and the system, so that it stays small in
// every process that takes mouse input.
#include <cstdarg>
#include <cstdint>
#include <ctime>

#include "common/longpress_file.h"

namespace longtap {

// A window, hook, module or stream of the host; 0 = none.
using Handle = std::uintptr_t;

class HookHost {
public:
    virtual std::time_t clock() = 0;
    virtual unsigned long threadId() = 0;

    // Opens "\longtap.log" for appending when it already exists; false when it does not.
    virtual bool openLog() = 0;
    virtual void writeLog(const char* format, std::va_list args) = 0;
    virtual void flushLog() = 0;
    virtual void closeLog() = 0;
    // A message box without owner, caption "longtap.dll", OK button.
    virtual void box(const char* text) = 0;
    // The C run time's ctime text of t, with its newline.
    virtual const char* ctimeText(std::time_t t) = 0;

    // Opens the settings file, scans it into d and closes it. The stream it had, for the
    // log; 0 when the file did not open (d is then untouched).
    virtual Handle readSettings(LongPressDelays& d) = 0;

    virtual Handle findWindow(const char* className, const char* title) = 0;
    virtual void post(Handle window, unsigned msg, std::uintptr_t wParam,
                      std::intptr_t lParam) = 0;
    virtual void beep(unsigned hz, unsigned ms) = 0;
    // One mouse_event without movement or data, carrying GetMessageExtraInfo.
    virtual void mouseEvent(unsigned flags) = 0;

    // A WH_MOUSE hook on every thread of the desktop, procedure moumh of module.
    virtual Handle setHook(Handle module) = 0;
    virtual bool unhook(Handle hook) = 0;
    virtual unsigned long lastError() = 0;
    virtual void clearLastError() = 0;

protected:
    // Never deleted through this interface: each host lives as long as its process.
    ~HookHost() = default;
};

}  // namespace longtap
