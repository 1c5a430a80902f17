#include "longtap/auto_launcher.h"

#include "common/debug_log.h"
#include "common/flags.h"
#include "common/launcher.h"
#include "common/longpress_file.h"

namespace longtap {

std::string calibratorCommand(long x, const std::vector<platform::Monitor>& monitors) {
    std::string command = "touchcal.exe -i";
    for (const platform::Monitor& m : monitors) {
        if (m.primary && (x < m.left || x >= m.left + m.width)) command += " -2";
    }
    return command;
}

bool hookAtStart() {
    platform::File f = platform::host().openFile(longPressFile, "r");
    if (!f) return false;
    LongPressDelays d;
    scanDelays(f.get(), d);
    d = hookRange(d);
    logf(" %s: dly=%d, dlz=%d \n", longPressFile, d.dly, d.dlz);
    return d.dly != 0 || d.dlz != 0;
}

Launcher::Launcher(const char* commandLine, Start start) : m_start(std::move(start)) {
    if (hasFlag(commandLine, "-v")) {
        // " -v" asks for the log whether or not someone made the file beforehand.
        platform::host().openFile(launcherLog, "a");
        openLog(launcherLog, "a+");
        logHeader("longtap.exe");
    }
}

Launcher::~Launcher() {
    if (m_hooked) callHook(&Launcher::m_closeHook, "closeHook");
    if (m_library) platform::host().freeLibrary(m_library);
    closeLog();
}

bool Launcher::alone() { return platform::host().findWindow(launcherClass, launcherTitle) == 0; }

void Launcher::begin() {
    bind();
    if (hookAtStart()) callHook(&Launcher::m_openHook, "openHook");
}

bool Launcher::bind() {
    if (m_library) return true;
    platform::Host& h = platform::host();
    platform::LibHandle lib = h.loadLibrary(hookLibrary);
    Entry open = lib ? reinterpret_cast<Entry>(h.procAddress(lib, "openHook")) : nullptr;
    Entry close = lib ? reinterpret_cast<Entry>(h.procAddress(lib, "closeHook")) : nullptr;
    logf(" LoadLibrary(%s)=%p, openHook=%d, closeHook=%d \n", hookLibrary,
         reinterpret_cast<void*>(lib), open != nullptr, close != nullptr);
    if (!open || !close) {
        if (lib) h.freeLibrary(lib);
        return false;
    }
    m_library = lib;
    m_openHook = open;
    m_closeHook = close;
    return true;
}

void Launcher::callHook(Entry Launcher::*entry, const char* name) {
    // A library that was missing at start may have been installed since.
    if (!bind()) return;
    int result = (this->*entry)();
    m_hooked = entry == &Launcher::m_openHook && result == 0;
    logf(" %s()=%d \n", name, result);
    logFlush();
}

void Launcher::onMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (wParam != hookWParam) return;
    logf(" msg=%u, lParam=%ld \n", msg, static_cast<long>(lParam));
    switch (msg) {
    case msgOpenHook:
        callHook(&Launcher::m_openHook, "openHook");
        break;
    case msgCloseHook:
        callHook(&Launcher::m_closeHook, "closeHook");
        break;
    case msgLongPress:
        // The x travels in the low 32 bits, whatever width the posting process has.
        startCalibrator(static_cast<std::int32_t>(lParam));
        break;
    default:
        break;
    }
}

void Launcher::startCalibrator(long x) {
    std::string command = calibratorCommand(x, platform::host().monitors());
    bool started = m_start(command);
    logf(" start %s =%d \n", command.c_str(), started ? 1 : 0);
    logFlush();
}

}  // namespace longtap
