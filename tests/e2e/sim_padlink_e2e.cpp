// The stand-in padlink.dll and its variants under Wine, driven by padprobe.exe with a
// state file of the test's own.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/program_fixture.h"

namespace {

const std::string padprobeExe = robot::windowsPath(KIT_BIN_DIR "/padprobe.exe");
const std::string distLibrary = robot::windowsPath(KIT_DIST_DIR "/padlink.dll");

std::string variantLibrary(const std::string& entry) {
    return robot::windowsPath(KIT_BIN_DIR "/padlink-variants/no-" + entry + "/padlink.dll");
}

struct ProbeRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::vector<std::string> lines;  // what padprobe printed
};

class SimPadlinkE2E : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        state = std::string(temp) + "padlink-e2e-" + info->name() + ".sim";
        journal = state + ".journal";
        removeFiles();
        SetEnvironmentVariableA("PADLINK_SIM", state.c_str());
        SetEnvironmentVariableA("PADLINK_SIM_JOURNAL", nullptr);
    }
    void TearDown() override { removeFiles(); }

    void removeFiles() {
        DeleteFileA(state.c_str());
        DeleteFileA(journal.c_str());
        DeleteFileA((state + ".out").c_str());
    }

    void writeState(const std::string& text) { writeFile(state, text); }

    // Runs padprobe with its stdout in a file, as a separate program like the kit's own.
    ProbeRun probe(const std::string& library, const std::string& steps) {
        ProbeRun run;
        const std::string outPath = state + ".out";
        SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
        HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(out, INVALID_HANDLE_VALUE);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = out;
        si.hStdError = out;
        PROCESS_INFORMATION pi{};
        std::string cmd = "\"" + padprobeExe + "\" \"" + library + "\" " + steps;
        const BOOL started = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0,
                                            nullptr, nullptr, &si, &pi);
        CloseHandle(out);
        EXPECT_TRUE(started) << cmd;
        if (!started) return run;
        EXPECT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
        GetExitCodeProcess(pi.hProcess, &run.exitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        run.lines = fileLines(outPath, "");
        return run;
    }

    std::vector<std::string> journalLines() { return fileLines(journal, ""); }

    std::string state, journal;
};

TEST_F(SimPadlinkE2E, ExportsTheFiveEntriesUndecorated) {
    HMODULE lib = LoadLibraryA(distLibrary.c_str());
    ASSERT_NE(lib, nullptr);
    for (const char* name : {"SetID", "OpenPadlink", "ClosePadlink", "WriteTP", "ReadTP"})
        EXPECT_NE(GetProcAddress(lib, name), nullptr) << name;
    for (const char* name : {"_OpenPadlink@0", "OpenPadlink@0", "SetID@12"})
        EXPECT_EQ(GetProcAddress(lib, name), nullptr) << name;
    FreeLibrary(lib);
}

TEST_F(SimPadlinkE2E, EachVariantLacksItsEntry) {
    const struct {
        const char* entry;
        DWORD code;
    } cases[] = {{"OpenPadlink", 2}, {"WriteTP", 3}, {"ReadTP", 4}, {"ClosePadlink", 5},
                 {"SetID", 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        const ProbeRun run = probe(variantLibrary(c.entry), "setid=a000 open close");
        EXPECT_EQ(run.exitCode, c.code);
        EXPECT_TRUE(run.lines.empty());
    }
    EXPECT_EQ(probe(distLibrary, "").exitCode, 0u);
}

TEST_F(SimPadlinkE2E, VersionReplyCarriesTheDigits) {
    writeState("pid=a000 version=3,9,5\npid=a200\n");
    const ProbeRun run = probe(distLibrary, "setid=a000 open write=D1_rfwver read close");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.lines,
              (std::vector<std::string>{
                  "SetID 0",
                  "OpenPadlink 0",
                  "WriteTP 0",
                  "ReadTP 0 2044000000000000000003090500000000000000000000000000000000000000",
                  "ClosePadlink 0",
              }));
    EXPECT_EQ(journalLines(),
              (std::vector<std::string>{
                  "SetID 0 a000 0",
                  "OpenPadlink a000 -> 0",
                  "WriteTP a000 44315f7266777665720000000000000000",
                  "ReadTP a000 2044000000000000000003090500000000000000000000000000000000000000",
                  "ClosePadlink",
              }));
}

TEST_F(SimPadlinkE2E, SettingsWrittenByOneProgramAreReadByTheNext) {
    const ProbeRun writer =
        probe(distLibrary, "setid=a200 open write=D1_setedge+0b+0a+14+1e+28 close");
    EXPECT_EQ(writer.exitCode, 0u);
    EXPECT_NE(readAll(state).find("pid=a200 version=4,0,0 settings=1,32,50,1,1,20,50,0 "
                                  "suspend=0 startup=5 edge=11 margins=10,20,30,40 "),
              std::string::npos);

    const ProbeRun reader = probe(distLibrary, "setid=a200 open write=D1_readedge read close");
    ASSERT_EQ(reader.lines.size(), 5u);
    EXPECT_EQ(reader.lines[3],
              "ReadTP 0 2044000000000000000b0a141e28000000000000000000000000000000000000");
    const auto lines = journalLines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "WriteTP a200 44315f736574656467650b0a141e280000");
}

TEST_F(SimPadlinkE2E, WithoutSetIdTheFirstPresentControllerOpens) {
    writeState("pid=a000 faults=absent\npid=a800\n");
    const ProbeRun run = probe(distLibrary, "open close");
    EXPECT_EQ(run.lines, (std::vector<std::string>{"OpenPadlink 0", "ClosePadlink 0"}));
    EXPECT_EQ(journalLines(),
              (std::vector<std::string>{"OpenPadlink a800 -> 0", "ClosePadlink"}));
}

TEST_F(SimPadlinkE2E, FaultsRefuseOpeningAndCalibration) {
    writeState("pid=a000 faults=refuse-open\npid=aa00 faults=absent\n"
               "pid=a200 faults=refuse-calibration\npid=a800\n");
    EXPECT_EQ(probe(distLibrary, "setid=a000 open close").lines[1], "OpenPadlink 2");
    EXPECT_EQ(probe(distLibrary, "setid=aa00 open close").lines[1], "OpenPadlink 1");

    const std::string calibrate = "write=D1_calibrst+20+20+20+20+20 read";
    const ProbeRun refused = probe(distLibrary, "setid=a200 open " + calibrate + " close");
    ASSERT_EQ(refused.lines.size(), 5u);
    EXPECT_EQ(refused.lines[3].substr(0, 13), "ReadTP 0 2044");
    EXPECT_NE(refused.lines[3].substr(9 + 26, 2), "6b");

    const ProbeRun accepted = probe(distLibrary, "setid=a800 open " + calibrate + " close");
    ASSERT_EQ(accepted.lines.size(), 5u);
    EXPECT_EQ(accepted.lines[3].substr(9 + 26, 2), "6b");
    EXPECT_NE(readAll(state).find("pid=a800 "), std::string::npos);
    EXPECT_NE(readAll(state).find("calibrating=1"), std::string::npos);

    probe(distLibrary, "setid=a800 open write=D1_swcancel+20+20+20+20+20 close");
    EXPECT_EQ(readAll(state).find("calibrating=1"), std::string::npos);
}

TEST_F(SimPadlinkE2E, WithoutAStateFileTheDefaultsAnswer) {
    const ProbeRun run = probe(distLibrary, "open write=D1_allmodeopt read close");
    ASSERT_EQ(run.lines.size(), 4u);
    EXPECT_EQ(run.lines[2],
              "ReadTP 0 2044000000000000012032010114320000000000000000000000000000000000");
    EXPECT_EQ(GetFileAttributesA(state.c_str()), INVALID_FILE_ATTRIBUTES);

    probe(distLibrary, "setid=a200 open write=D1_stssm+01+00+00+07 close");
    EXPECT_NE(readAll(state).find("pid=a200 version=4,0,0 settings=1,32,50,1,1,20,50,0 "
                                  "suspend=1 startup=7 "),
              std::string::npos);
}

TEST_F(SimPadlinkE2E, WithoutTheVariablesTheFilesLieBesideTheLibrary) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "padlink-e2e-beside";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string library = folder + "\\padlink.dll";
    const std::string besideState = folder + "\\padlink.sim";
    ASSERT_TRUE(CopyFileA(distLibrary.c_str(), library.c_str(), FALSE));
    DeleteFileA(besideState.c_str());
    DeleteFileA((besideState + ".journal").c_str());
    SetEnvironmentVariableA("PADLINK_SIM", nullptr);

    probe(library, "setid=a000 open write=D1_setca+01+02+03+04 close");
    EXPECT_NE(readAll(besideState).find("pid=a000 "), std::string::npos);
    EXPECT_NE(readAll(besideState).find(" comp=1,2,3,4 "), std::string::npos);
    EXPECT_EQ(fileLines(besideState + ".journal", "").size(), 4u);

    DeleteFileA(library.c_str());
    DeleteFileA(besideState.c_str());
    DeleteFileA((besideState + ".journal").c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(SimPadlinkE2E, JournalVariableNamesTheJournal) {
    const std::string elsewhere = state + ".elsewhere";
    DeleteFileA(elsewhere.c_str());
    SetEnvironmentVariableA("PADLINK_SIM_JOURNAL", elsewhere.c_str());
    probe(distLibrary, "setid=a200 open close");
    EXPECT_EQ(fileLines(elsewhere, ""),
              (std::vector<std::string>{"SetID 0 a200 0", "OpenPadlink a200 -> 0",
                                        "ClosePadlink"}));
    EXPECT_EQ(GetFileAttributesA(journal.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(elsewhere.c_str());
}

}  // namespace
