// longtap.exe and longtap.dll under Wine: the launcher installs the global mouse hook, the
// hook turns real long presses on another program's window (clickpad, which records the
// clicks it gets) into right clicks or a calibrator start (a stand-in touchcal.exe that
// records its command line). The hook's clock is whole seconds, so every press length
// keeps half a second from the threshold it is meant to meet or miss.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/launcher.h"
#include "tests/e2e/click_pad.h"
#include "tests/e2e/program_fixture.h"

namespace {

const std::string distDir = robot::windowsPath(KIT_DIST_DIR);
const std::string stubExe = robot::windowsPath(KIT_BIN_DIR "/touchcal-stub/touchcal.exe");
const char* const settingsFile = "c:\\longtap.ini";
const char* const launcherLog = "c:\\longtap.exe.log";
const char* const hookLog = "c:\\longtap.log";

using clickpad::leftClick;
using clickpad::rightClick;

class LongTapE2E : public ProgramTest {
protected:
    void SetUp() override {
        prepare("longtap", {"longtap.exe", "longtap.dll", "touchcal.exe", "touchcal.args",
                            "clicks.txt"});
        for (const char* f : {settingsFile, launcherLog, hookLog}) DeleteFileA(f);
        // The calibrator is found beside the launcher, as on a terminal.
        for (const char* f : {"longtap.exe", "longtap.dll"})
            ASSERT_TRUE(CopyFileA((distDir + "\\" + f).c_str(), (workDir + "\\" + f).c_str(),
                                  FALSE)) << f;
        ASSERT_TRUE(CopyFileA(stubExe.c_str(), (workDir + "\\touchcal.exe").c_str(), FALSE));
        clicks = workDir + "\\clicks.txt";
    }
    void TearDown() override {
        pad = clickpad::Pad();
        // Ended as the terminal's logoff ends it, so that its hook goes with it.
        if (program && program->exitCode() == STILL_ACTIVE) {
            PostMessageA(form, WM_CLOSE, 0, 0);
            EXPECT_TRUE(program->waitExit());
        }
        program.reset();
        for (const char* f : {settingsFile, launcherLog, hookLog}) DeleteFileA(f);
    }

    // Starts the launcher with its log and waits for its window, which is never shown.
    void startLauncher() {
        launch(workDir + "\\longtap.exe", "-v");
        ASSERT_TRUE(robot::waitUntil([&] { return launcherWindow() != nullptr; }));
        form = launcherWindow();
        EXPECT_FALSE(IsWindowVisible(form));
    }
    HWND launcherWindow() { return FindWindowA(launcherClass, launcherTitle); }

    // The launcher's log lines that record a call of openHook or closeHook.
    int hookCalls(const std::string& entry) {
        return static_cast<int>(fileLines(launcherLog, " " + entry + "()=0").size());
    }
    void post(unsigned msg, const std::string& entry) {
        int before = hookCalls(entry);
        ASSERT_TRUE(PostMessageA(form, msg, hookWParam, 0));
        ASSERT_TRUE(robot::waitUntil([&] { return hookCalls(entry) > before; }));
    }

    void startPad() { ASSERT_TRUE(pad.start(workDir, clicks)); }
    void press(int ms) { pad.press(ms); }
    std::string recorded(std::size_t expected) { return pad.recorded(expected); }

    std::string clicks;
    clickpad::Pad pad;
};

TEST_F(LongTapE2E, HookOnOpenMessageTurnsATwoSecondPressIntoOneRightClick) {
    writeFile(settingsFile, "0,0,40960,43008\n");
    startLauncher();
    EXPECT_EQ(hookCalls("openHook"), 0);  // nothing on at start: no hook yet
    writeFile(settingsFile, "0,2,40960,43008\n");
    post(msgOpenHook, "openHook");
    startPad();
    press(2500);
    EXPECT_EQ(recorded(4), rightClick);
    press(300);
    EXPECT_EQ(recorded(6), rightClick + leftClick);
}

TEST_F(LongTapE2E, FiveSecondPressStartsTheCalibratorWithoutARightClick) {
    // A delay on at start: the launcher installs the hook by itself.
    writeFile(settingsFile, "5,2,40960,43008\n");
    startLauncher();
    ASSERT_TRUE(robot::waitUntil([&] { return hookCalls("openHook") == 1; }));
    startPad();
    press(5500);
    ASSERT_TRUE(robot::waitUntil([&] { return !readAll(workDir + "\\touchcal.args").empty(); }));
    EXPECT_EQ(fileLines(workDir + "\\touchcal.args", ""),
              std::vector<std::string>{"touchcal.exe -i"});
    EXPECT_EQ(recorded(2), leftClick);
    // The launcher did not wait for the calibrator and still takes messages.
    post(msgCloseHook, "closeHook");
}

TEST_F(LongTapE2E, CloseMessageRemovesTheHook) {
    writeFile(settingsFile, "0,2,40960,43008\n");
    startLauncher();
    ASSERT_TRUE(robot::waitUntil([&] { return hookCalls("openHook") == 1; }));
    startPad();
    press(2500);
    ASSERT_EQ(recorded(4), rightClick);
    // Another wParam is not the manager's: the hook stays.
    PostMessageA(form, msgCloseHook, 0, 0);
    press(2500);
    ASSERT_EQ(recorded(8), rightClick + rightClick);
    post(msgCloseHook, "closeHook");
    press(2500);
    EXPECT_EQ(recorded(10), rightClick + rightClick + leftClick);
}

TEST_F(LongTapE2E, EveryProcessAppendsToTheHookLogWhenItExists) {
    writeFile(hookLog, "");
    writeFile(settingsFile, "0,2,40960,43008\n");
    startLauncher();
    ASSERT_TRUE(robot::waitUntil([&] { return hookCalls("openHook") == 1; }));
    startPad();
    press(2500);
    EXPECT_EQ(recorded(4), rightClick);
    // At least the launcher's process and clickpad's loaded the library.
    EXPECT_GE(fileLines(hookLog, " dll attached at ").size(), 2u);
    EXPECT_EQ(fileLines(hookLog, " in openHook(), hHook=").size(), 1u);
    ASSERT_EQ(fileLines(hookLog, " hHooked=").size(), 1u);
    EXPECT_NE(fileLines(hookLog, " hHooked=")[0].find(", lerr=0, time="), std::string::npos);
    EXPECT_EQ(fileLines(hookLog, " -- hiAc=").size(), 1u);
    EXPECT_GE(fileLines(hookLog, " moumh( c=0, w=200, ").size(), 1u);
    EXPECT_TRUE(fileLines(hookLog, " ++ ").empty());
}

TEST_F(LongTapE2E, SecondLauncherEndsAtOnce) {
    writeFile(settingsFile, "0,0,40960,43008\n");
    startLauncher();
    robot::Program second("\"" + workDir + "\\longtap.exe\"", workDir);
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(second.waitExit());
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_EQ(program->exitCode(), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(LongTapE2E, SoakOfFortyMixedPressesGivesExactlyTheRightClicks) {
    writeFile(settingsFile, "0,2,40960,43008\n");
    startLauncher();
    ASSERT_TRUE(robot::waitUntil([&] { return hookCalls("openHook") == 1; }));
    startPad();
    // Short presses keep under one second; long ones 2 to 3 seconds.
    const int lengths[] = {200, 2400, 300, 2700};
    std::string expected;
    for (int i = 0; i < 40; ++i) {
        int ms = lengths[(i * 7 + i / 4) % 4];
        press(ms);
        expected += ms >= 2000 ? rightClick : leftClick;
        Sleep(150);
    }
    EXPECT_EQ(recorded(expected.size()), expected);
}

}  // namespace
