// touchacc.exe under Wine against the stand-in padlink.dll: the robot works its real window
// and the simulator's state file and journal show what reached the controller.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/program_fixture.h"

namespace {

const std::string touchaccExe = robot::windowsPath(KIT_DIST_DIR "/touchacc.exe");
const std::string designCaption = " Tormalin USB Touch Edge Acceleration Tool   v.1.01";
// Start-up waits 4.8 s in its three exchanges before the window shows.
constexpr int startTimeoutMs = 30000;

class EdgeToolE2E : public ProgramTest {
protected:
    void SetUp() override { prepare("touchacc", {"touchacc.ini", "touchacc.exe"}); }

    // Starts the tool from the working folder and waits for its window.
    void start(const std::string& args = "", const std::string& exe = touchaccExe) {
        ProgramTest::start(exe, args, startTimeoutMs);
    }

    // The set commands that reached the controller pid.
    std::vector<std::string> setBlocks(const std::string& pid) {
        return fileLines(journal, "WriteTP " + pid + " 44315f736574");  // "D1_set"
    }
};

TEST_F(EdgeToolE2E, ShowsTheControllerEditsItAndReadsTheNewValuesBack) {
    writeFile(state, "pid=a000 version=1,0,3 edge=2 margins=11,22,33,44 comp=55,66,77,88\n"
                     "pid=a200\n");
    start();
    EXPECT_EQ(robot::text(form), designCaption + ".103");
    EXPECT_FALSE(checked("CheckBox1"));
    EXPECT_TRUE(checked("CheckBox3"));
    const char* edits[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"};
    const char* shown[] = {"33", "44", "11", "22", "77", "88", "55", "66"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(text(edits[i]), shown[i]) << edits[i];
    EXPECT_EQ(robot::upDownPosition(control("UpDown1")), 33);

    EXPECT_EQ(text("CheckBox1"), "Enable Left");
    robot::click(control("CheckBox1"));
    EXPECT_EQ(text("Label1"), "Left Margin: ");
    robot::pressArrow(control("UpDown1"), 0);
    robot::pressArrow(control("UpDown1"), 0);
    EXPECT_EQ(text("Edit1"), "35");
    robot::type(control("Edit5"), "007");
    EXPECT_EQ(text("Edit5"), "7");
    finishWith("Button1");

    EXPECT_EQ(setBlocks("a000"), (std::vector<std::string>{
                                     "WriteTP a000 44315f73657465646765" "0b" "0b16232c" "0000",
                                     "WriteTP a000 44315f7365746361" "37420758" "0000000000",
                                 }));

    start();
    EXPECT_TRUE(checked("CheckBox1"));
    EXPECT_TRUE(checked("CheckBox3"));
    EXPECT_FALSE(checked("CheckBox2"));
    EXPECT_EQ(text("Edit1"), "35");
    EXPECT_EQ(text("Edit5"), "7");
    finishWith("Button2");
    EXPECT_EQ(setBlocks("a000").size(), 2u);
}

TEST_F(EdgeToolE2E, SecondFamilyFlagBindsTheOnlyMemberPresent) {
    writeFile(state, "pid=aa00 version=2,0,1 edge=16 margins=1,2,3,4 comp=5,6,7,8\n");
    start("-8");
    EXPECT_EQ(robot::text(form), designCaption + ".201");
    EXPECT_TRUE(checked("CheckBox2"));
    EXPECT_EQ(fileLines(journal, "OpenPadlink"),
              (std::vector<std::string>{"OpenPadlink a200 -> 1", "OpenPadlink aa00 -> 0"}));
    EXPECT_EQ(fileLines(journal, "WriteTP aa00 ").size(), 3u);
    finishWith("Button1");
    EXPECT_EQ(setBlocks("aa00"), (std::vector<std::string>{
                                     "WriteTP aa00 44315f73657465646765" "11" "01020304" "0000",
                                     "WriteTP aa00 44315f7365746361" "05060708" "0000000000",
                                 }));
}

TEST_F(EdgeToolE2E, WithoutTheLibraryTheCaptionEndsInQueryAndApplySendsNothing) {
    // A copy of the program in a folder without padlink.dll, where Windows looks first.
    const std::string lonely = workDir + "\\touchacc.exe";
    ASSERT_TRUE(CopyFileA(touchaccExe.c_str(), lonely.c_str(), FALSE));
    writeFile(state, "pid=a000\n");
    writeFile(workDir + "\\touchacc.ini", "Lane 3 Touch\r\n");
    start("", lonely);
    EXPECT_EQ(robot::text(form), "Lane 3 Touch.??");
    EXPECT_EQ(text("Edit1"), "50");
    robot::click(control("Button3"));
    EXPECT_TRUE(robot::enabled(control("Button3")));
    finishWith("Button1");
    EXPECT_EQ(GetFileAttributesA(journal.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(EdgeToolE2E, DebugModeLogsToTheDriveRootAndReachesNoController) {
    // The working folder is on C:, so the log is the one in C:'s root; it is used only
    // because it exists, and a run is appended to it.
    const std::string log = "C:\\touchacc.log";
    writeFile(log, "earlier run\n");
    writeFile(state, "pid=a000 edge=30\n");
    start("-d");
    EXPECT_EQ(robot::text(form), designCaption + ".0??");
    EXPECT_FALSE(checked("CheckBox1"));
    EXPECT_EQ(text("Edit8"), "0");
    const HWND app = FindWindowA("TApplication", "Tormalin USB Touch Acceleration Tool");
    DWORD owner = 0;
    GetWindowThreadProcessId(app, &owner);
    EXPECT_EQ(owner, program->id());
    finishWith("Button2");
    EXPECT_EQ(GetFileAttributesA(journal.c_str()), INVALID_FILE_ATTRIBUTES);

    const std::vector<std::string> lines = fileLines(log, "");
    DeleteFileA(log.c_str());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "earlier run");
    EXPECT_EQ(lines[1].rfind(" ------ 950116,101.8.3 ------ ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind(" hi=", 0), 0u) << lines[2];
    EXPECT_NE(lines[2].find(", cp=-d "), std::string::npos) << lines[2];
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.begin() + 8),
              (std::vector<std::string>{
                  " in openusb( a000 ) ",
                  " in wrtp( D1_rfwver ) ",
                  " caption=" + designCaption + ".0?? ",
                  " in wrtp( D1_readedge ) ",
                  " in wrtp( D1_readcav ) ",
              }));
    EXPECT_EQ(lines[8].rfind(" snd_f=0, idx=0, Top=", 0), 0u) << lines[8];
    EXPECT_EQ(lines[9] + lines[10], "");
}

}  // namespace
