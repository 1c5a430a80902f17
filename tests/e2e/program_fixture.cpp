#include "tests/e2e/program_fixture.h"

#include <fstream>
#include <sstream>

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> fileLines(const std::string& path, const std::string& prefix) {
    std::istringstream in(readAll(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}

void endProgramOf(const std::string& className, const std::string& title) {
    HWND window = FindWindowA(className.c_str(), title.c_str());
    if (!window)
        return;
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process)
        return;
    // Closed as a logoff closes it, so that a hook it installed goes with it.
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process, 0);
    CloseHandle(process);
}

void ProgramTest::prepare(const std::string& programName,
                          std::initializer_list<std::string> leftovers) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    workDir = std::string(temp) + programName + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(workDir.c_str(), nullptr);
    state = workDir + "\\padlink.sim";
    journal = state + ".journal";
    DeleteFileA(state.c_str());
    DeleteFileA(journal.c_str());
    for (const std::string& f : leftovers)
        DeleteFileA((workDir + "\\" + f).c_str());
    SetEnvironmentVariableA("PADLINK_SIM", state.c_str());
    SetEnvironmentVariableA("PADLINK_SIM_JOURNAL", nullptr);
}

void ProgramTest::launch(const std::string& exe, const std::string& args) {
    program = std::make_unique<robot::Program>("\"" + exe + "\" " + args, workDir);
    ASSERT_TRUE(program->started())
        << "CreateProcess error " << program->startError();
}

void ProgramTest::start(const std::string& exe, const std::string& args, int timeoutMs) {
    launch(exe, args);
    form = program->window("TForm1", "", timeoutMs);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(robot::settle(form));
}

HWND ProgramTest::control(const std::string& name) {
    HWND h = robot::findControl(form, name);
    EXPECT_NE(h, nullptr) << name;
    return h;
}

void ProgramTest::finishWith(const std::string& button) {
    robot::click(control(button));
    ASSERT_TRUE(program->waitExit());
    EXPECT_EQ(program->exitCode(), 0u);
}
