// touchman.exe under Wine against the stand-in padlink.dll: the robot works its real window,
// and the simulator's journal shows what reached the controllers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/click_pad.h"
#include "tests/e2e/manager_fixture.h"

namespace {

using namespace manager_e2e;

TEST_F(ManagerE2E, OpensWithBothTabsAndTheFirmwareOfBoth) {
    writeFile(state, "pid=a000 version=3,9,5\npid=a200 version=4,0,1\n");
    start();
    EXPECT_EQ(robot::text(form), " Tormalin USB Dual-Touch Manager   v1.01");
    const HWND tabs = control("PageControl1");
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(text("TabSheet2"), "1st Touch");
    EXPECT_EQ(text("TabSheet3"), "2nd Touch");
    EXPECT_EQ(text("Label12"), "Firmware:  V.395");
    EXPECT_EQ(text("Label11"), "Firmware:  V.401");
    EXPECT_TRUE(robot::visible(control("Panel1")));
    EXPECT_FALSE(robot::visible(control("Panel2")));

    // The second tab: the tabs are a quarter of the page control wide, less 3, and 30 high.
    RECT r;
    GetClientRect(tabs, &r);
    const int tabWidth = (r.right - r.left) / 4 - 3;
    robot::clickAt(tabs, tabWidth + tabWidth / 2, 15);
    EXPECT_TRUE(robot::visible(control("Panel2")));
    EXPECT_FALSE(robot::visible(control("Panel1")));
    finishWith("Button2");
}

TEST_F(ManagerE2E, ApplyWritesBothSlotsSixCommands) {
    writeFile(state,
              "pid=a000 version=3,9,5 settings=5,40,51,2,1,30,90,7 suspend=1 startup=9 edge=11 "
              "margins=10,20,30,40 comp=1,2,3,4\n"
              "pid=a200 version=4,0,0\n");
    start();
    DeleteFileA(journal.c_str());
    robot::click(control("Button7"));
    const auto sets = [&](const char* pid) {
        Strings blocks;
        for (const std::string& line : fileLines(journal, std::string("WriteTP ") + pid + " "))
            blocks.push_back(line.substr(13));
        return blocks;
    };
    ASSERT_TRUE(robot::waitUntil([&] { return sets("a200").size() == 6; }, 30000));
    ASSERT_TRUE(robot::waitUntil([&] { return robot::enabled(control("Button7")); }));
    EXPECT_EQ(sets("a000"), (Strings{
                                "44315f6d6f64656f7074" "01283307" "000000",
                                "44315f6d626d6f64656f7074" "02" "00000000",
                                "44315f62757a6f7074" "011e5aa8ff5a" "0000",
                                "44315f73657465646765" "0b0a141e28" "0000",
                                "44315f7365746361" "01020304" "0000000000",
                                "44315f737473736d" "01000009" "0000000000",
                            }));
    EXPECT_EQ(sets("a200"), (Strings{
                                "44315f6d6f64656f7074" "01203200" "000000",
                                "44315f6d626d6f64656f7074" "01" "00000000",
                                "44315f62757a6f7074" "011432a8aa32" "0000",
                                "44315f73657465646765" "0032323232" "0000",
                                "44315f7365746361" "32323232" "0000000000",
                                "44315f737473736d" "00000005" "0000000000",
                            }));
    finishWith("Button2");
}

TEST_F(ManagerE2E, TheSoundPanelsUpDownRaisesTheFrequencyThatApplySends) {
    writeFile(state, "pid=a000\npid=a200\n");
    start();
    robot::click(control("BitBtn5"));  // "Sound Setting"
    ASSERT_TRUE(robot::visible(control("Panel5")));
    EXPECT_FALSE(robot::visible(control("Panel1")));
    robot::pressArrow(control("UpDown1"), 0);
    EXPECT_EQ(text("Edit1"), "21");
    robot::click(control("Button13"));  // "OK" back to the menu
    EXPECT_TRUE(robot::visible(control("Panel1")));

    DeleteFileA(journal.c_str());
    robot::click(control("Button7"));
    const auto buzopt = [&] { return fileLines(journal, "WriteTP a000 44315f62757a6f7074"); };
    ASSERT_TRUE(robot::waitUntil([&] { return !buzopt().empty(); }, 30000));
    // Frequency 21 in byte 10, 21 x 8.5 = 178 in byte 13.
    EXPECT_EQ(buzopt(), Strings{"WriteTP a000 44315f62757a6f7074" "011532a8b232" "0000"});
    ASSERT_TRUE(robot::waitUntil([&] { return robot::enabled(control("Button7")); }, 30000));
    finishWith("Button2");
}

TEST_F(ManagerE2E, ADoubleClickAreaOfZeroBecomes255) {
    writeFile(state, "pid=a000\npid=a200\n");
    start();
    robot::click(control("BitBtn9"));  // "Double Click Area"
    ASSERT_TRUE(robot::visible(control("Panel4")));
    robot::type(control("Edit3"), "0");
    EXPECT_EQ(text("Edit3"), "255");
    EXPECT_EQ(robot::upDownPosition(control("UpDown3")), 255);
    finishWith("Button2");
}

TEST_F(ManagerE2E, CancelAfterEditsSendsNothingAndKeepsBothFiles) {
    writeFile(state, "pid=a000\npid=a200\n");
    writeFile(settingsFile, "0,3,40960,41472\n");
    writeFile(workDir + "\\longtap.ini", "0,3,40960,41472\n");
    start();
    ASSERT_TRUE(checked("CheckBox8"));
    robot::click(control("CheckBox8"));
    robot::click(control("BitBtn5"));
    robot::pressArrow(control("UpDown1"), 0);
    DeleteFileA(journal.c_str());
    finishWith("Button2");
    EXPECT_EQ(GetFileAttributesA(journal.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(readAll(settingsFile), "0,3,40960,41472\n");
    EXPECT_EQ(readAll(workDir + "\\longtap.ini"), "0,3,40960,41472\n");
}

// Apply drives the real launcher, which the manager starts from its own folder, and the
// hook it installs turns a long press in another window into a right click.
TEST_F(ManagerE2E, TouchToRightButtonReachesTheFilesTheLauncherAndTheHook) {
    writeFile(state, "pid=a000\npid=a200\n");
    writeFile(settingsFile, "0,0,40960,43008\n");
    // With its own log the manager asks the launcher for one too, which shows its calls.
    writeFile(managerLog, "");
    DeleteFileA(launcherLog);
    start();
    robot::click(control("CheckBox8"));
    EXPECT_EQ(text("Edit9"), "2");
    robot::pressArrow(control("UpDown9"), 0);
    EXPECT_EQ(text("Edit9"), "3");
    robot::click(control("Button7"));
    ASSERT_TRUE(robot::waitUntil([&] { return robot::enabled(control("Button7")); }, 30000));

    EXPECT_EQ(readAll(settingsFile), "0,3,40960,41472\r\n");
    EXPECT_EQ(readAll(workDir + "\\longtap.ini"), "0,3,40960,41472\r\n");
    ASSERT_TRUE(robot::waitUntil([&] { return !fileLines(launcherLog, " openHook()=").empty(); }));
    Strings calls;
    for (const std::string& line : fileLines(launcherLog, " "))
        if (line.find("Hook()=") != std::string::npos)
            calls.push_back(line.substr(0, line.find("()=")));
    EXPECT_EQ(calls, (Strings{" closeHook", " openHook"}));

    clickpad::Pad pad;
    ASSERT_TRUE(pad.start(workDir, workDir + "\\clicks.txt"));
    pad.press(3500);
    EXPECT_EQ(pad.recorded(4), clickpad::rightClick);
    finishWith("Button2");
}

TEST_F(ManagerE2E, CancelSendsNothing) {
    writeFile(state, "pid=a000\npid=a200\n");
    start();
    DeleteFileA(journal.c_str());
    finishWith("Button2");
    EXPECT_EQ(GetFileAttributesA(journal.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ManagerE2E, BothPrimariesAreRefused) {
    writeFile(state, "pid=a000\npid=a800\npid=a200\n");
    launch();
    EXPECT_EQ(robot::dismissBox(title, startTimeoutMs, program->id()),
              "Error: On Board Touch is not disabled!");
    ASSERT_TRUE(program->waitExit());
    EXPECT_EQ(program->exitCode(), 2u);
}

TEST_F(ManagerE2E, AMissingSettingsFileIsCreated) {
    writeFile(state, "pid=a000\n");
    DeleteFileA(settingsFile);
    start();
    EXPECT_EQ(readAll(settingsFile), "0,0,40960,43008\r\n");
    EXPECT_EQ(GetFileAttributesA("C:\\longtap.xxx"), INVALID_FILE_ATTRIBUTES);
    finishWith("Button2");
}

TEST_F(ManagerE2E, TheCaptionFileWinsOverTheDateStamp) {
    writeFile(state, "pid=a000\n");
    writeFile(workDir + "\\touchman.ini", "My Touch\r\nsecond line\r\n");
    start("-f");
    EXPECT_EQ(robot::text(form), "My Touch");
    finishWith("Button2");
}

TEST_F(ManagerE2E, InstallDriverIsOfferedOnlyWhenTheSecondTouchLacksItsDriver) {
    const struct {
        bool filter;
        bool installEnabled;
    } cases[] = {{true, false}, {false, true}};
    writeFile(state, "pid=a000\npid=a200\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter ? "driver present" : "no filter driver");
        setValue(hidusbEnum, "0", REG_SZ, "USB\\VID_7B94&PID_A200\\6&1A2B&0&1");
        setValue(std::string(usbA200) + "\\6&1A2B&0&1", "ParentIdPrefix", REG_SZ, "7&2B3C&0");
        const std::string hid = std::string(hidA200) + "\\7&2B3C&0&0000";
        setValue(hid, "DeviceDesc", REG_SZ, "Tormalin USB Touch Screen");
        if (c.filter)
            setValue(hid, "UpperFilters", REG_MULTI_SZ, std::string("padfilt2") + '\0');
        else
            RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, hid.c_str(), "UpperFilters");
        start();
        EXPECT_EQ(robot::enabled(control("Button11")), c.installEnabled);
        EXPECT_EQ(robot::enabled(control("BitBtn2")), c.installEnabled);
        EXPECT_TRUE(robot::enabled(control("BitBtn3")));  // "Swap Touch"
        finishWith("Button2");
    }
}

}  // namespace
