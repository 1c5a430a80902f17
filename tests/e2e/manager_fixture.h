#pragma once
// touchman.exe under Wine against the stand-in padlink.dll, from a working folder of its
// own; the launcher it may start is closed after each test.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "common/launcher.h"
#include "tests/e2e/program_fixture.h"

namespace manager_e2e {

using Strings = std::vector<std::string>;

inline const std::string touchmanExe = robot::windowsPath(KIT_DIST_DIR "/touchman.exe");
inline const std::string title = "Tormalin USB Dual Touch Manager";
const char* const settingsFile = "C:\\longtap.ini";
const char* const managerLog = "C:\\touchman.log";
const char* const launcherLog = "C:\\longtap.exe.log";
// Four probes and seven or nine reads at 800 ms each come before the window.
constexpr int startTimeoutMs = 40000;

// Registry places of the driver probe, under HKEY_LOCAL_MACHINE.
const char* const hidusbEnum = "SYSTEM\\CurrentControlSet\\Services\\hidusb\\Enum";
const char* const usbA200 = "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_7B94&PID_A200";
const char* const hidA200 = "SYSTEM\\CurrentControlSet\\Enum\\HID\\Vid_7b94&Pid_a200";

inline void setValue(const std::string& key, const char* name, DWORD type, const std::string& data) {
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE,
                              nullptr, &k, nullptr),
              ERROR_SUCCESS)
        << key;
    EXPECT_EQ(RegSetValueExA(k, name, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                             static_cast<DWORD>(data.size() + 1)),
              ERROR_SUCCESS);
    RegCloseKey(k);
}

class ManagerE2E : public ProgramTest {
protected:
    void SetUp() override {
        prepare("touchman", {"touchman.ini", "longtap.ini", "clicks.txt"});
        DeleteFileA(managerLog);
    }
    void TearDown() override {
        endProgramOf(launcherClass, launcherTitle);
        DeleteFileA(managerLog);
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, hidusbEnum, "0");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, usbA200);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, hidA200);
    }

    void launch(const std::string& args = "") { ProgramTest::launch(touchmanExe, args); }
    // Starts the manager in the working folder and waits for its main window.
    void start(const std::string& args = "") {
        ProgramTest::start(touchmanExe, args, startTimeoutMs);
    }
};

}  // namespace manager_e2e
