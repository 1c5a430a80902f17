// The manager's buttons that act at once, under Wine: cursor hiding kept in the registry,
// Swap Touch, the calibrator's start from both Calibration panels and Help.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/manager_fixture.h"

namespace {

using namespace manager_e2e;

const char* const cursorsKey = "Control Panel\\Cursors";
const std::string stubExe = robot::windowsPath(KIT_BIN_DIR "/touchcal-stub/touchcal.exe");

std::string arrowValue() {
    char text[256] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, cursorsKey, "Arrow", RRF_RT_REG_SZ, nullptr, text,
                     &size) != ERROR_SUCCESS)
        return "(none)";
    return text;
}

void setArrow(const std::string& value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, cursorsKey, "Arrow", REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}

// Clicks the tab of the second touch: the tabs are a quarter of the page control wide,
// less 3, and 30 high.
void secondTab(HWND tabs) {
    RECT r;
    GetClientRect(tabs, &r);
    const int tabWidth = (r.right - r.left) / 4 - 3;
    robot::clickAt(tabs, tabWidth + tabWidth / 2, 15);
}

class ManagerToolsE2E : public ManagerE2E {
protected:
    void TearDown() override {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, cursorsKey, "Arrow");
        ManagerE2E::TearDown();
    }
};

TEST_F(ManagerToolsE2E, HiddenCursorOutlivesARestartAndShowBringsTheUsersArrowBack) {
    writeFile(state, "pid=a000\npid=a200\n");
    setArrow("C:\\Cursors\\my arrow.cur");
    start();
    EXPECT_EQ(text("BitBtn1"), "Hide Cursor");
    EXPECT_EQ(readAll(workDir + "\\cursor.dat"), "C:\\Cursors\\my arrow.cur");
    robot::click(control("BitBtn1"));
    EXPECT_EQ(text("BitBtn1"), "Show Cursor");
    EXPECT_EQ(text("Button5"), "Show Cursor");
    EXPECT_EQ(arrowValue(), "%SYSTEMROOT%\\Cursors\\null.cur");
    finishWith("Button2");

    start();
    EXPECT_EQ(text("BitBtn1"), "Show Cursor");
    robot::click(control("BitBtn1"));
    EXPECT_EQ(text("BitBtn1"), "Hide Cursor");
    EXPECT_EQ(arrowValue(), "C:\\Cursors\\my arrow.cur");
    finishWith("Button2");
}

TEST_F(ManagerToolsE2E, SwapTouchGoesToBothFamiliesAndSaysSo) {
    writeFile(state, "pid=a000\npid=aa00\n");
    start();
    DeleteFileA(journal.c_str());
    robot::click(control("BitBtn3"));
    EXPECT_EQ(robot::dismissBox(title, 20000, program->id()), "Operation Completed!");
    EXPECT_EQ(fileLines(journal, "WriteTP a000 "),
              Strings{"WriteTP a000 44315f62757a6f7074" "011432a501" "000000"});
    EXPECT_EQ(fileLines(journal, "WriteTP aa00 "),
              Strings{"WriteTP aa00 44315f62757a6f7074" "011432a501" "000000"});
    finishWith("Button2");
}

// A copy of the kit beside a stand-in calibrator that records its command line: the
// manager starts the calibrator from its own folder.
TEST_F(ManagerToolsE2E, StartOnEachCalibrationPanelStartsTheCalibratorForItsSlot) {
    writeFile(state, "pid=a000\npid=a200\n");
    const std::string kit = workDir + "\\kit";
    CreateDirectoryA(kit.c_str(), nullptr);
    DeleteFileA((kit + "\\touchcal.args").c_str());
    for (const char* file : {"touchman.exe", "padlink.dll"})
        ASSERT_TRUE(CopyFileA(robot::windowsPath(std::string(KIT_DIST_DIR "/") + file).c_str(),
                              (kit + "\\" + file).c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(stubExe.c_str(), (kit + "\\touchcal.exe").c_str(), FALSE));
    ProgramTest::start(kit + "\\touchman.exe", "", startTimeoutMs);

    const auto started = [&] { return fileLines(kit + "\\touchcal.args", ""); };
    robot::click(control("BitBtn6"));  // "Calibration"
    robot::click(control("Button1"));  // "Start"
    ASSERT_TRUE(robot::waitUntil([&] { return started().size() == 1; }));
    secondTab(control("PageControl1"));
    robot::click(control("BitBtn13"));
    robot::click(control("Button10"));
    ASSERT_TRUE(robot::waitUntil([&] { return started().size() == 2; }));
    EXPECT_EQ(started(), (Strings{"touchcal.exe -i", "touchcal.exe -i -8 -2"}));
    finishWith("Button2");
}

TEST_F(ManagerToolsE2E, HelpOpensTheGuideInTheTextEditor) {
    writeFile(state, "pid=a000\n");
    writeFile(workDir + "\\mgrguide.txt", "How to set up the touch panels.\r\n");
    start();
    robot::click(control("Button8"));
    HWND editor = nullptr;
    ASSERT_TRUE(robot::waitUntil([&] {
        editor = FindWindowA("Notepad", nullptr);
        return editor != nullptr;
    }, 30000));
    char caption[256] = {};
    GetWindowTextA(editor, caption, sizeof caption);
    EXPECT_NE(std::string(caption).find("mgrguide"), std::string::npos) << caption;
    endProgramOf("Notepad", caption);
    finishWith("Button2");
}

}  // namespace
