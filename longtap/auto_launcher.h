#pragma once
// The calibrator auto-launcher longtap.exe: it holds the window the manager and the hook
// library post to, installs and removes the long-press hook on the manager's word, and
// starts a calibration when a Touch_to_Calibrate press is reported. Its Win32 window is
// thin glue; everything it decides is here, on the installed platform host.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace longtap {

// The launcher's own debug log, written with " -v"; apart from the hook library's
// "\longtap.log", which every process with the hook appends to.
constexpr const char* launcherLog = "\\longtap.exe.log";
constexpr const char* hookLibrary = "longtap.dll";

// The calibrator's command line for a long press at screen x: "-2" when x lies off the
// primary monitor.
std::string calibratorCommand(long x, const std::vector<platform::Monitor>& monitors);
// Whether "c:\longtap.ini" has a delay on, by the hook library's own reading of it.
bool hookAtStart();

class Launcher {
public:
    // Starts a program and returns at once; false when it could not be started.
    using Start = std::function<bool(const std::string& commandLine)>;

    Launcher(const char* commandLine, Start start);
    // Removes a hook it still holds: the hook belongs to this process.
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // False when another launcher's window exists: this one must end before making its own.
    static bool alone();

    // Once the window exists: loads the hook library and installs the hook at once when a
    // delay is on, so that long press works again after the terminal restarts.
    void begin();
    // A message posted to the window; any with another wParam is ignored.
    void onMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

private:
    using Entry = int (*)();
    bool bind();
    void callHook(Entry Launcher::*entry, const char* name);
    void startCalibrator(long x);

    Start m_start;
    platform::LibHandle m_library = 0;
    Entry m_openHook = nullptr;
    Entry m_closeHook = nullptr;
    bool m_hooked = false;
};

}  // namespace longtap
