// The calibrator auto-launcher's logic on the recording host: which messages it acts on,
// the calibrator's command line, the hook at start, its library and its own log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/launcher.h"
#include "longtap/auto_launcher.h"
#include "platform/testing/fake_host.h"

namespace longtap {
namespace {

std::vector<std::string> hookCalls;
int fakeOpenHook() {
    hookCalls.push_back("openHook");
    return 0;
}
int fakeCloseHook() {
    hookCalls.push_back("closeHook");
    return 0;
}

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override { hookCalls.clear(); }

    void addHookLibrary() {
        host.addLibrary("LONGTAP.DLL", {{"openHook", reinterpret_cast<void*>(fakeOpenHook)},
                                        {"closeHook", reinterpret_cast<void*>(fakeCloseHook)}});
    }
    Launcher::Start recordStarts() {
        return [this](const std::string& command) {
            starts.push_back(command);
            return true;
        };
    }

    platform::FakeHost host;
    std::vector<std::string> starts;
};

TEST(CalibratorCommand, AddsTheSecondDisplayFlagOffThePrimaryMonitor) {
    const std::vector<platform::Monitor> one{{0, 0, 1024, 768, true, 1}};
    const std::vector<platform::Monitor> two{{-1280, 0, 1280, 1024, false, 2},
                                             {0, 0, 1024, 768, true, 1}};
    struct Case {
        long x;
        const std::vector<platform::Monitor>* monitors;
        const char* command;
    };
    const Case cases[] = {
        {0, &one, "touchcal.exe -i"},      {1023, &one, "touchcal.exe -i"},
        {1024, &one, "touchcal.exe -i -2"}, {-1, &one, "touchcal.exe -i -2"},
        {-5, &two, "touchcal.exe -i -2"},  {500, &two, "touchcal.exe -i"},
    };
    for (const Case& c : cases) EXPECT_EQ(calibratorCommand(c.x, *c.monitors), c.command) << c.x;
    EXPECT_EQ(calibratorCommand(5000, {}), "touchcal.exe -i");
}

TEST_F(LauncherTest, ActsOnTheThreeMessagesWithTheirWParamOnly) {
    addHookLibrary();
    host.setMonitors({{0, 0, 1024, 768, true, 1}, {1024, 0, 800, 600, false, 2}});
    Launcher launcher("", recordStarts());
    launcher.begin();
    ASSERT_TRUE(hookCalls.empty());

    launcher.onMessage(msgOpenHook, hookWParam, 0);
    launcher.onMessage(msgCloseHook, hookWParam, 0);
    launcher.onMessage(msgLongPress, hookWParam, 200);
    launcher.onMessage(msgLongPress, hookWParam, 1500);
    // A 64-bit poster sign-extends a negative x; the launcher reads the low 32 bits.
    launcher.onMessage(msgLongPress, hookWParam, static_cast<std::intptr_t>(0xFFFFFFFFu));
    for (unsigned msg : {msgOpenHook, msgCloseHook, msgLongPress})
        launcher.onMessage(msg, 0x1235, 0);
    launcher.onMessage(1500, hookWParam, 0);

    EXPECT_EQ(hookCalls, (std::vector<std::string>{"openHook", "closeHook"}));
    EXPECT_EQ(starts, (std::vector<std::string>{"touchcal.exe -i", "touchcal.exe -i -2",
                                                "touchcal.exe -i -2"}));
    EXPECT_TRUE(host.runs().empty());
}

TEST_F(LauncherTest, InstallsAtStartWhenTheSettingsHaveADelayOn) {
    struct Case {
        const char* settings;  // nullptr: no file
        bool installs;
    };
    const Case cases[] = {
        {"0,0,40960,43008\n", false}, {"0,2,40960,43008\n", true}, {"5,0\n", true},
        {"3,0\n", true},  // the hook library reads 3 as 5
        {"0\n", false},   {nullptr, false},
    };
    addHookLibrary();
    for (const Case& c : cases) {
        hookCalls.clear();
        host.removeFile("c:\\longtap.ini");
        if (c.settings) host.writeFile("c:\\longtap.ini", c.settings);
        Launcher launcher("", recordStarts());
        launcher.begin();
        EXPECT_EQ(hookCalls, c.installs ? std::vector<std::string>{"openHook"}
                                        : std::vector<std::string>{})
            << (c.settings ? c.settings : "no file");
    }
}

TEST_F(LauncherTest, ASecondLauncherSeesTheFirstByItsWindow) {
    EXPECT_TRUE(Launcher::alone());
    host.addWindow(launcherClass, launcherTitleOld);
    EXPECT_TRUE(Launcher::alone());
    host.addWindow(launcherClass, launcherTitle);
    EXPECT_FALSE(Launcher::alone());
}

TEST_F(LauncherTest, BindsALibraryInstalledAfterItsStartAndFreesItAtTheEnd) {
    {
        Launcher launcher("", recordStarts());
        launcher.begin();
        launcher.onMessage(msgOpenHook, hookWParam, 0);
        EXPECT_TRUE(hookCalls.empty());
        addHookLibrary();
        launcher.onMessage(msgOpenHook, hookWParam, 0);
        launcher.onMessage(msgCloseHook, hookWParam, 0);
        EXPECT_EQ(host.openLibraries(), 1);
    }
    EXPECT_EQ(hookCalls, (std::vector<std::string>{"openHook", "closeHook"}));
    EXPECT_EQ(host.openLibraries(), 0);
}

TEST_F(LauncherTest, RemovesAHookItStillHoldsWhenItEnds) {
    addHookLibrary();
    {
        Launcher launcher("", recordStarts());
        launcher.begin();
        launcher.onMessage(msgOpenHook, hookWParam, 0);
        launcher.onMessage(msgCloseHook, hookWParam, 0);
    }
    {
        Launcher launcher("", recordStarts());
        launcher.begin();
        launcher.onMessage(msgOpenHook, hookWParam, 0);
    }
    EXPECT_EQ(hookCalls,
              (std::vector<std::string>{"openHook", "closeHook", "openHook", "closeHook"}));
}

TEST_F(LauncherTest, ALibraryWithoutBothEntriesIsNotKept) {
    host.addLibrary("longtap.dll", {{"openHook", reinterpret_cast<void*>(fakeOpenHook)}});
    Launcher launcher("", recordStarts());
    launcher.begin();
    launcher.onMessage(msgOpenHook, hookWParam, 0);
    EXPECT_TRUE(hookCalls.empty());
    EXPECT_EQ(host.openLibraries(), 0);
}

TEST_F(LauncherTest, VerboseFlagWritesALogOfItsOwn) {
    addHookLibrary();
    host.writeFile("c:\\longtap.ini", "0,2,40960,43008\n");
    {
        Launcher quiet("", recordStarts());
        quiet.begin();
    }
    EXPECT_FALSE(host.fileExists(launcherLog));
    {
        Launcher launcher("longtap.exe -v", recordStarts());
        launcher.begin();
        launcher.onMessage(msgLongPress, hookWParam, 10);
    }
    EXPECT_EQ(host.readFile(launcherLog),
              " ------ longtap.exe ------ Mon Jan 05 09:07:03 2015\n"
              " LoadLibrary(longtap.dll)=0x10000000, openHook=1, closeHook=1 \n"
              " c:\\longtap.ini: dly=0, dlz=2 \n"
              " openHook()=0 \n"
              " msg=1324, lParam=10 \n"
              " start touchcal.exe -i =1 \n"
              " closeHook()=0 \n"
              "\n\n");
}

}  // namespace
}  // namespace longtap
