// The window framework in real windows: uidemo under Wine, worked by the robot through
// its controls, found by name.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "tests/e2e/robot.h"

namespace {

const std::string uidemoExe = robot::windowsPath(KIT_BIN_DIR "/uidemo.exe");

class UiDemoE2E : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        workDir = std::string(temp) + "uidemo-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(workDir.c_str(), nullptr);
        DeleteFileA((workDir + "\\uidemo.out").c_str());
        program = std::make_unique<robot::Program>("\"" + uidemoExe + "\"", workDir);
        ASSERT_TRUE(program->started())
            << "CreateProcess error " << program->startError();
        form = program->window("TDemoForm", "Kit UI Demo");
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(robot::settle(form));
    }

    HWND control(const std::string& name) {
        HWND h = robot::findControl(form, name);
        EXPECT_NE(h, nullptr) << name;
        return h;
    }

    std::string report(const std::string& name) { return robot::text(control(name)); }

    std::string outFile() {
        std::ifstream in(workDir + "\\uidemo.out");
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::string workDir;
    std::unique_ptr<robot::Program> program;
    HWND form = nullptr;
};

TEST_F(UiDemoE2E, CheckBoxClickRunsItsHandlerOnce) {
    HWND box = control("CheckBox1");
    EXPECT_FALSE(robot::checked(box));
    robot::click(box);
    EXPECT_TRUE(robot::checked(box));
    EXPECT_EQ(report("CheckReport"), "check clicks=1 checked=1");
    robot::click(box);
    EXPECT_FALSE(robot::checked(box));
    EXPECT_EQ(report("CheckReport"), "check clicks=2 checked=0");
}

TEST_F(UiDemoE2E, RadioButtonsOfAGroupClearEachOther) {
    HWND one = control("RadioButton1"), two = control("RadioButton2");
    // The form checked RadioButton1 while it filled its controls, and its handler ran.
    EXPECT_TRUE(robot::checked(one));
    EXPECT_EQ(report("RadioReport"), "radio=RadioButton1 runs=1");
    robot::click(two);
    EXPECT_TRUE(robot::checked(two));
    EXPECT_FALSE(robot::checked(one));
    EXPECT_EQ(report("RadioReport"), "radio=RadioButton2 runs=2");
    robot::click(two);
    EXPECT_EQ(report("RadioReport"), "radio=RadioButton2 runs=2");
}

TEST_F(UiDemoE2E, TypingRunsTheChangeHandlerAndItsWriteBackRunsItOnce) {
    HWND edit = control("Edit1");
    robot::type(edit, "7");
    EXPECT_EQ(report("EditReport"), "edit=7 changes=1");
    EXPECT_EQ(robot::upDownPosition(control("UpDown1")), 7);
    // 42 is out of range: the handler writes 0 back, which changes the text once more.
    robot::type(edit, "42");
    EXPECT_EQ(robot::text(edit), "0");
    EXPECT_EQ(report("EditReport"), "edit=0 changes=3");
}

TEST_F(UiDemoE2E, UpDownArrowsStepWithinTheRange) {
    HWND upDown = control("UpDown1"), edit = control("Edit1");
    robot::pressArrow(upDown, 0);
    EXPECT_EQ(report("ButtonReport"), "arrow=0 position=6");
    EXPECT_EQ(robot::text(edit), "6");
    robot::pressArrow(upDown, 1);
    robot::pressArrow(upDown, 1);
    EXPECT_EQ(report("ButtonReport"), "arrow=1 position=4");
    EXPECT_EQ(robot::upDownPosition(upDown), 4);
    robot::type(edit, "10");
    robot::pressArrow(upDown, 0);
    EXPECT_EQ(report("ButtonReport"), "arrow=0 position=10");
    EXPECT_EQ(robot::text(edit), "10");
}

TEST_F(UiDemoE2E, AHandlersMessageBoxDoesNotHoldTheClicker) {
    robot::click(control("Button1"));
    EXPECT_EQ(robot::dismissBox("Kit UI Demo", robot::defaultTimeoutMs, program->id()),
              "Hello from the demo");
    EXPECT_TRUE(robot::waitUntil([&] { return report("ButtonReport") == "hello answered 1"; }));
}

TEST_F(UiDemoE2E, OnlyTheActivePagesControlsShow) {
    HWND first = control("Label2"), second = control("Button4");
    EXPECT_TRUE(robot::visible(first));
    EXPECT_FALSE(robot::visible(second));
    robot::click(control("Button3"));
    EXPECT_FALSE(robot::visible(first));
    EXPECT_TRUE(robot::visible(second));
    robot::click(second);
    EXPECT_TRUE(robot::visible(first));
    // The user's click on the second tab (tabs 77 pixels wide, 24 high).
    robot::clickAt(control("PageControl1"), 77 + 38, 12);
    EXPECT_TRUE(robot::visible(second));
    EXPECT_FALSE(robot::visible(first));
}

TEST_F(UiDemoE2E, ImagesAndBitmapButtonsTakeClicks) {
    robot::clickAt(control("Image1"), 16, 16);
    EXPECT_EQ(report("ImageReport"), "image clicks=1");
    robot::click(control("BitBtn1"));
    EXPECT_EQ(report("ImageReport"), "bitbtn clicks=1");
}

TEST_F(UiDemoE2E, TheTimerStartedByTheShowHandlerFires) {
    EXPECT_TRUE(robot::waitUntil([&] { return report("TimerReport") == "timer fired"; }));
}

TEST_F(UiDemoE2E, TheApplicationWindowCarriesTheTitle) {
    HWND app = FindWindowW(L"TApplication", L"Kit UI Demo");
    ASSERT_NE(app, nullptr);
    DWORD pid = 0;
    GetWindowThreadProcessId(app, &pid);
    EXPECT_EQ(pid, program->id());
    EXPECT_EQ(GetWindow(form, GW_OWNER), app);
}

TEST_F(UiDemoE2E, EscPressesTheCancelButtonAndTheFormIsDestroyed) {
    robot::typeChar(control("Edit1"), 27);
    ASSERT_TRUE(program->waitExit());
    EXPECT_EQ(program->exitCode(), 0u);
    EXPECT_EQ(outFile(), "destroyed after 1 shows\n");
}

TEST_F(UiDemoE2E, TheCloseBoxEndsTheProgram) {
    robot::closeWindow(form);
    ASSERT_TRUE(program->waitExit());
    EXPECT_EQ(program->exitCode(), 0u);
    EXPECT_EQ(outFile(), "destroyed after 1 shows\n");
}

}  // namespace
