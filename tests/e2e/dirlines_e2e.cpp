// dirlines.exe under Wine, driven by real batch scripts through Wine's cmd.exe.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/e2e/program_fixture.h"

namespace {

const std::string dirlinesExe = robot::windowsPath(KIT_DIST_DIR "/dirlines.exe");

// Runs a batch script with cmd.exe in the given folder and waits for it.
void runBatch(const std::string& folder, const std::string& name, const std::string& script) {
    writeFile(folder + "\\" + name, script);
    robot::Program cmd("cmd.exe /c \"" + name + "\"", folder);
    ASSERT_TRUE(cmd.started());
    ASSERT_TRUE(cmd.waitExit(60000));
}

TEST(DirLinesE2E, CdLineLandsInAFolderWithABlank) {
    const std::string folder = "C:\\dirlines e2e\\install dir";
    CreateDirectoryA("C:\\dirlines e2e", nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA("C:\\dirlines-landed.txt");

    runBatch(folder, "make go.bat",
             "@echo off\r\n"
             "\"" + dirlinesExe + "\" -1 > go.bat\r\n"
             "cd \\\r\n"
             "call \"" + folder + "\\go.bat\"\r\n"
             "cd > C:\\dirlines-landed.txt\r\n");

    EXPECT_EQ(readAll(folder + "\\go.bat"), "cd \"" + folder + "\" \r\n");
    EXPECT_EQ(readAll("C:\\dirlines-landed.txt"), folder + "\r\n");
}

TEST(DirLinesE2E, UninstallLineInADriveRootHasTwoBackslashes) {
    DeleteFileA("C:\\dirlines-root.txt");
    runBatch("C:\\", "dirlines-root.bat",
             "@\"" + dirlinesExe + "\" -2 > dirlines-root.txt\r\n");
    EXPECT_EQ(readAll("C:\\dirlines-root.txt"), "\"C:\\\\uninst.bat\" \r\n");
}

TEST(DirLinesE2E, UnknownOptionPrintsNothingAndExitsZero) {
    DeleteFileA("C:\\dirlines-code.txt");
    runBatch("C:\\", "dirlines-code.bat",
             "@\"" + dirlinesExe + "\" -4 > dirlines-none.txt\r\n"
             "@echo %ERRORLEVEL%> dirlines-code.txt\r\n");
    EXPECT_EQ(readAll("C:\\dirlines-none.txt"), "");
    EXPECT_EQ(readAll("C:\\dirlines-code.txt"), "0\r\n");
}

}  // namespace
