#include "common/debug_log.h"
#include "manager/flags.h"
#include "manager/startup.h"
#include "platform/testing/fake_host.h"
#include "simulator/fake_padlink.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace touchman {

namespace {

sim::Bank bankOf(std::initializer_list<int> pids) {
    sim::Bank bank;
    for (int pid : pids)
        bank.push_back(sim::defaultController(pid));
    return bank;
}

class Startup : public ::testing::Test {
public:
    void SetUp() override {
        dbg_f = date_f = 0;
        host.writeFile("c:\\longtap.ini", "3,0,40960,43008\n");
    }
    void TearDown() override { closeLog(); }

    int start(const char* commandLine) {
        EntryArgs args;
        args.commandLine = commandLine;
        return startManager(args);
    }
    void plugIn(std::initializer_list<int> pids) {
        padlink.emplace(bankOf(pids));
        host.addLibrary("padlink.dll", padlink->entries());
    }
    std::vector<std::string> boxTexts() {
        std::vector<std::string> texts;
        for (const auto& b : host.boxes())
            texts.push_back(b.text + "|" + b.caption);
        return texts;
    }

    platform::FakeHost host;
    std::optional<sim::FakePadlink> padlink;
};

struct StartCase {
    const char* what;
    void (*arrange)(Startup&);
    const char* commandLine;
    int exitCode;
    const char* box;  // text|caption of the one box shown, or empty
};

class StartPaths : public Startup, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartPaths, EndWithTheirBoxAndExitCode) {
    const StartCase& c = GetParam();
    c.arrange(*this);
    EXPECT_EQ(start(c.commandLine), c.exitCode);
    const std::string box = c.box;
    EXPECT_EQ(boxTexts(), box.empty() ? std::vector<std::string>{}
                                      : std::vector<std::string>{box});
    EXPECT_EQ(host.openLibraries(), 0);
}

#define RIGHTS "Please rerun this program  by right clicking the program icon,\n" \
               " and choosing \"Run as administrator\". "
#define TITLE "|Tormalin USB Dual Touch Manager"

INSTANTIATE_TEST_SUITE_P(
    Manager, StartPaths,
    ::testing::Values(
        StartCase{"ReadOnlySettingsFile",
                  [](Startup& t) { t.host.setReadOnly("c:\\longtap.ini"); }, "", 1,
                  RIGHTS "(1, 1)|Tormalin Touch Manager"},
        StartCase{"RenameRefused", [](Startup& t) { t.host.refuseRenames(); }, "", 1,
                  RIGHTS "(2, 1)|Tormalin Touch Manager"},
        StartCase{"NoRights", [](Startup& t) { t.host.setAdministrator(false); }, "", 1,
                  RIGHTS "(0, 0)|Tormalin Touch Manager"},
        StartCase{"BothPrimariesAndASecondary",
                  [](Startup& t) { t.plugIn({0xA000, 0xA800, 0xA200}); }, "", 2,
                  "Error: On Board Touch is not disabled!" TITLE},
        StartCase{"BothSecondaries", [](Startup& t) { t.plugIn({0xA000, 0xA200, 0xAA00}); },
                  "", 3, "Touch PID Error!" TITLE},
        StartCase{"DebugModeWithBothPairs",
                  [](Startup& t) { t.plugIn({0xA000, 0xA800, 0xA200, 0xAA00}); }, "x-dy", -1,
                  ""},
        StartCase{"DebugModeWithNothingPresent", [](Startup&) {}, "-d", -1, ""},
        StartCase{"OnePrimaryOneSecondary", [](Startup& t) { t.plugIn({0xA000, 0xAA00}); },
                  "-D", -1, ""}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Startup, DebugFlagIsACaseSensitiveSubstring) {
    start("x-dy");
    EXPECT_EQ(dbg_f, 1);
    start("-D -F");
    EXPECT_EQ(dbg_f, 0);
    EXPECT_EQ(date_f, 0);
    start("a-fb");
    EXPECT_EQ(date_f, 1);
}

TEST_F(Startup, MissingSettingsFileIsCreatedAndAnExistingOneKept) {
    host.removeFile("c:\\longtap.ini");
    host.writeFile("c:\\longtap.xxx", "left by a crash");
    EXPECT_EQ(start("-d"), -1);
    EXPECT_EQ(host.readFile("c:\\longtap.ini"), "0,0,40960,43008\n");
    EXPECT_FALSE(host.fileExists("c:\\longtap.xxx"));

    host.writeFile("c:\\longtap.ini", "2,3,40960,43008\n");
    EXPECT_EQ(start("-d"), -1);
    EXPECT_EQ(host.readFile("c:\\longtap.ini"), "2,3,40960,43008\n");
}

TEST_F(Startup, ASettingsFileThatPassesTheAccessTestButWontOpenIsRewritten) {
    host.writeFile("c:\\longtap.ini", "2,3,40960,43008\n");
    host.refuseOpening("c:\\longtap.ini", "r+");
    EXPECT_EQ(start("-d"), -1);
    EXPECT_EQ(host.readFile("c:\\longtap.ini"), "0,0,40960,43008\n");
}

TEST_F(Startup, FourProbesLoadTheLibraryFourTimes) {
    plugIn({0xA000, 0xA200});
    host.writeFile("\\touchman.log", "earlier\n");
    EXPECT_EQ(start("touchman.exe"), -1);
    EXPECT_EQ(host.loads().size(), 4u);
    EXPECT_EQ(padlink->journalLines("SetID"),
              (std::vector<std::string>{"SetID 0 a000 0", "SetID 0 a200 0", "SetID 0 a800 0",
                                        "SetID 0 aa00 0"}));
    closeLog();
    const std::string log = host.readFile("\\touchman.log");
    EXPECT_EQ(log.rfind("earlier\n ------ 940613,950116,970826,1010713 ------ " +
                            host.ctimeText(host.now()),
                        0),
              0u);
    EXPECT_NE(log.find(", cmd=touchman.exe, show=0, err=0 \n"), std::string::npos);
    EXPECT_NE(log.find(" ofp()=0, pid=a200 \n"), std::string::npos);
}

TEST_F(Startup, NoLogFileMeansNoLog) {
    EXPECT_EQ(start("-d"), -1);
    EXPECT_FALSE(host.fileExists("\\touchman.log"));
}

TEST(Chkusb, CodesForEachMissingEntry) {
    dbg_f = 0;
    sim::FakePadlink padlink(bankOf({0xA000}));
    const std::pair<const char*, chkusbResult> cases[] = {
        {"", usbOpened},
        {"OpenPadlink", usbNoOpenPadlink},
        {"ClosePadlink", usbNoClosePadlink},
        {"SetID", usbNoSetID},
        {"WriteTP", usbOpened},  // the probe binds only what it calls
        {"ReadTP", usbOpened},
    };
    for (const auto& c : cases) {
        platform::FakeHost host;
        host.addLibrary("padlink.dll", padlink.entriesWithout(c.first));
        EXPECT_EQ(chkusb(0xA000), c.second) << c.first;
        EXPECT_EQ(host.openLibraries(), 0) << c.first;
    }
}

TEST(Chkusb, AbsentControllerOrNoLibrary) {
    dbg_f = 0;
    platform::FakeHost host;
    EXPECT_EQ(chkusb(0xA000), usbNoLibrary);
    sim::FakePadlink padlink(bankOf({0xA000}));
    host.addLibrary("padlink.dll", padlink.entries());
    EXPECT_EQ(chkusb(0xA800), usbOpenRefused);
    EXPECT_EQ(padlink.journalLines("ClosePadlink").size(), 1u);
    EXPECT_EQ(host.openLibraries(), 0);
}

}  // namespace

}  // namespace touchman
