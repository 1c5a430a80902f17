#include "longtap/hook.h"

#include <cstdarg>

#include "common/launcher.h"

namespace longtap {

namespace {

// The log's "%ld" and "%p" fields, whatever the width of time_t and of handles.
long secs(std::time_t t) { return static_cast<long>(t); }
void* ptr(Handle h) { return reinterpret_cast<void*>(h); }

}  // namespace

void Hook::logf(const char* format, ...) {
    if (!m_log) return;
    std::va_list args;
    va_start(args, format);
    m_host.writeLog(format, args);
    va_end(args);
}

void Hook::attach(Handle module, unsigned long tid) {
    m_tid = tid;
    m_hMod = module;
    m_log = m_host.openLog();
    // The only lookup: a launcher that starts later is not seen by this process.
    m_hiAc = m_host.findWindow(launcherClass, launcherTitle);
    if (!m_hiAc) m_hiAc = m_host.findWindow(launcherClass, launcherTitleOld);
    m_host.readSettings(m_delays);
    m_delays = hookRange(m_delays);
    logf(" dll attached at %ld, tid=%lx, dly=%d, dlz=%d, hiAc=%p \n", secs(m_host.clock()),
         m_tid, m_delays.dly, m_delays.dlz, ptr(m_hiAc));
}

void Hook::threadAttached() {
    logf(" thread attached at %ld, tid=%lx \n", secs(m_host.clock()), m_host.threadId());
}

void Hook::threadDetached() {
    logf(" thread detached at %ld, tid=%lx \n", secs(m_host.clock()), m_host.threadId());
}

void Hook::detach() {
    logf(" dll detached at %ld, tid=%lx \n", secs(m_host.clock()), m_host.threadId());
    if (m_log) m_host.closeLog();
    m_log = false;
    m_hiAc = 0;
}

int Hook::openHook() {
    std::time_t tm = m_host.clock();
    logf(" in openHook(), hHook=%p, tid=%lu, tm=%ld \n", ptr(m_hHook), m_tid, secs(tm));
    logf(" hMod=%p, hiAc=%p \n", ptr(m_hMod), ptr(m_hiAc));
    m_host.clearLastError();
    if (!m_hHook) m_hHook = m_host.setHook(m_hMod);
    if (m_log) {
        unsigned long lerr = m_host.lastError();
        logf(" hHooked=%p, lerr=%lu, time=%s \n", ptr(m_hHook), lerr, m_host.ctimeText(tm));
        m_host.flushLog();
    }
    if (m_hHook) return hookInstalled;
    if (m_log) m_host.box("SetWinHook failed");
    return hookFailed;
}

int Hook::closeHook() {
    logf(" in closeHook(), hHook=%p, tid=%lu, tm=%ld \n", ptr(m_hHook), m_tid,
         secs(m_host.clock()));
    bool unhooked = false;
    if (m_hHook) {
        m_host.clearLastError();
        unhooked = m_host.unhook(m_hHook);
        if (unhooked) m_hHook = 0;
    }
    // The boxes and the last line are for a process with a log only.
    if (!m_log) return 0;
    if (!unhooked) {
        if (!m_hHook) m_host.box("hHook==NULL");
        m_host.box("closeHook failed");
    }
    unsigned long lerr = m_host.lastError();
    logf(" tid=%lu, UnHooked=%d, lerr=%lu \n", m_tid, unhooked ? 1 : 0, lerr);
    return 0;
}

void Hook::mouse(int code, unsigned msg, std::uintptr_t record, long x) {
    if (m_log) {
        logf(" moumh( c=%x, w=%x, l=%lx ), tid=%lx,%lx, dly=%d, dlz=%d, tm=%ld, %ld,%ld \n",
             static_cast<unsigned>(code), msg, static_cast<unsigned long>(record),
             m_host.threadId(), m_tid, m_delays.dly, m_delays.dlz, secs(m_host.clock()),
             secs(m_tm1), secs(m_tm2));
    }
    if (m_tm1 == 0) {
        if ((msg == wmLButtonDown || msg == wmNcLButtonDown) && (m_delays.dlz || m_delays.dly))
            startPress();
    } else if (msg == wmLButtonUp || msg == wmNcLButtonUp) {
        endPress(x);
    }
}

void Hook::startPress() {
    m_tm1 = m_host.clock();
    Handle fd = m_host.readSettings(m_delays);
    // A file gone at the start of a press switches this process off until it loads afresh.
    m_delays = fd ? hookRange(m_delays) : LongPressDelays{};
    logf(" -- hiAc=%p, tm1=%ld, tm2=%ld, fd=%p, dly=%d, dlz=%d \n", ptr(m_hiAc), secs(m_tm1),
         secs(m_tm2), ptr(fd), m_delays.dly, m_delays.dlz);
}

void Hook::endPress(long x) {
    m_tm2 = m_host.clock();
    std::time_t held = m_tm2 - m_tm1;
    // The calibration test comes first: every accepted dly exceeds every accepted dlz.
    if (m_delays.dly && held >= m_delays.dly) {
        if (m_hiAc)
            m_host.post(m_hiAc, msgLongPress, hookWParam, x);
        else
            m_host.beep(500, 100);
        logf(" ++ hiAc=%p, tm1=%ld, tm2=%ld \n", ptr(m_hiAc), secs(m_tm1), secs(m_tm2));
        if (m_log) m_host.flushLog();
    } else if (m_delays.dlz && held >= m_delays.dlz) {
        m_host.mouseEvent(mouseRightDown);
        m_host.mouseEvent(mouseRightUp);
    }
    m_tm1 = 0;
}

}  // namespace longtap
