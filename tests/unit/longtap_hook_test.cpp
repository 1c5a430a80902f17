// The long-press hook's logic, as the library's glue drives it: per-process load, presses
// measured in whole seconds, the decision on release, and the hook's install and removal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/launcher.h"
#include "longtap/hook.h"
#include "tests/unit/longtap_fake_hook_host.h"

namespace longtap {
namespace {

using Events = std::vector<std::string>;

constexpr unsigned move = 0x200, down = wmLButtonDown, up = wmLButtonUp;
constexpr unsigned ncDown = wmNcLButtonDown, ncUp = wmNcLButtonUp;
constexpr unsigned rightDown = 0x204, rightUp = 0x205;
constexpr Handle module = 7;

const Events rightClick{"mouse_event 8", "mouse_event 16"};
const Events report{"post 26 1324 4660 300"};
const Events beep{"beep 500 100"};

struct Step {
    unsigned msg;
    std::time_t at;  // seconds after the load
    long x = 300;
};

struct PressCase {
    const char* name;
    const char* atLoad;   // the settings file at load; nullptr: missing
    const char* atPress;  // the file from the first step on
    const char* launcher; // the launcher window's title; "": none
    std::vector<Step> steps;
    Events expected;
    int reads;  // times the settings file was opened, the load's included
};

const char* const line52 = "5,2,40960,43008\n";

const PressCase pressCases[] = {
    {"DefaultLineMeasuresNothingAndNeverReadsAgain", "0,0,40960,43008\n", "0,2,40960,43008\n",
     launcherTitle, {{down, 0}, {up, 5}, {ncDown, 10}, {ncUp, 13}}, {}, 1},
    {"HeldOneSecondDoesNothing", line52, line52, launcherTitle, {{down, 0}, {up, 1}}, {}, 2},
    {"HeldExactlyDlzGivesARightClick", line52, line52, launcherTitle, {{down, 0}, {up, 2}},
     rightClick, 2},
    {"HeldFourGivesARightClick", line52, line52, launcherTitle, {{down, 0}, {up, 4}},
     rightClick, 2},
    {"HeldDlyReportsToTheLauncherWithoutARightClick", line52, line52, launcherTitle,
     {{down, 0}, {up, 5}}, report, 2},
    {"HeldDlyWithoutALauncherOnlyBeeps", line52, line52, "", {{down, 0}, {up, 5}}, beep, 2},
    {"TheOlderLauncherTitleIsFoundToo", line52, line52, launcherTitleOld, {{down, 0}, {up, 9}},
     report, 2},
    {"ReportCarriesTheReleaseXAlone", line52, line52, launcherTitle,
     {{down, 0, 10}, {up, 6, -200}}, {"post 26 1324 4660 -200"}, 2},
    {"SecondPressIsIgnoredAndTimeCountsFromTheFirst", line52, line52, launcherTitle,
     {{down, 0}, {down, 1}, {up, 2}}, rightClick, 2},
    {"MovesAndRightButtonKeepThePressOpen", line52, line52, launcherTitle,
     {{down, 0}, {move, 1}, {rightDown, 1}, {rightUp, 1}, {up, 2}}, rightClick, 2},
    {"NonClientPressEndedByClientRelease", line52, line52, launcherTitle,
     {{ncDown, 0}, {up, 3}}, rightClick, 2},
    {"ClientPressEndedByNonClientRelease", line52, line52, launcherTitle,
     {{down, 0}, {ncUp, 3}}, rightClick, 2},
    {"ReleaseWithoutPressDoesNothing", line52, line52, launcherTitle,
     {{up, 0}, {ncUp, 3}, {move, 4}}, {}, 1},
    {"FileMissingAtPressStartSwitchesTheProcessOff", line52, nullptr, launcherTitle,
     {{down, 0}, {up, 3}, {down, 10}, {up, 16}}, {}, 2},
    {"FileReadAgainAtEachPress", "0,2\n", "5,0\n", launcherTitle,
     {{down, 0}, {up, 3}, {down, 10}, {up, 15}}, report, 3},
    {"ZeroThreeRightClicksAndNeverCalibrates", "0,3\n", "0,3\n", launcherTitle,
     {{down, 0}, {up, 2}, {down, 10}, {up, 13}, {down, 20}, {up, 40}}, {
         "mouse_event 8", "mouse_event 16", "mouse_event 8", "mouse_event 16"}, 4},
    {"TenZeroIgnoresFourAndReportsTen", "10,0\n", "10,0\n", launcherTitle,
     {{down, 0}, {up, 4}, {down, 10}, {up, 20}}, report, 3},
    {"OutOfRangeAtPressBecomesFiveAndTwo", "0,3\n", "3,9\n", launcherTitle,
     {{down, 0}, {up, 4}, {down, 10}, {up, 15}}, {"mouse_event 8", "mouse_event 16",
     "post 26 1324 4660 300"}, 3},
    {"MissingAtLoadMeasuresNothing", nullptr, line52, launcherTitle, {{down, 0}, {up, 5}}, {},
     1},
};

class HookPress : public ::testing::TestWithParam<PressCase> {};

// gated: as the glue calls it, only the messages wants() lets through; otherwise every one.
Events run(const PressCase& c, bool gated, int& reads) {
    FakeHookHost host;
    Hook hook{host};
    if (c.atLoad) host.settings = c.atLoad;
    host.launcherTitleShown = c.launcher;
    hook.attach(module, host.thread);
    if (c.atPress)
        host.settings = c.atPress;
    else
        host.settings.reset();
    std::time_t loaded = host.now;
    for (const Step& s : c.steps) {
        host.now = loaded + s.at;
        if (!gated || hook.wants(s.msg)) hook.mouse(0, s.msg, 0x100, s.x);
    }
    reads = host.settingsReads;
    return host.events;
}

TEST_P(HookPress, DecidesOnRelease) {
    const PressCase& c = GetParam();
    for (bool gated : {true, false}) {
        int reads = 0;
        EXPECT_EQ(run(c, gated, reads), c.expected) << (gated ? "gated" : "every message");
        EXPECT_EQ(reads, c.reads) << (gated ? "gated" : "every message");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HookPress, ::testing::ValuesIn(pressCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HookLoad, BringsTheDelaysIntoRange) {
    struct Case {
        const char* text;
        int dly, dlz;
    };
    const Case cases[] = {
        {"3,2,40960,43008\n", 5, 2}, {"16,0\n", 5, 0},  {"-1,7\n", 5, 2},
        {"4,1\n", 4, 1},             {"15,3\n", 15, 3}, {"9\n", 9, 0},
    };
    for (const Case& c : cases) {
        FakeHookHost host;
        Hook hook{host};
        host.settings = c.text;
        hook.attach(module, host.thread);
        EXPECT_EQ(hook.delays().dly, c.dly) << c.text;
        EXPECT_EQ(hook.delays().dlz, c.dlz) << c.text;
    }
}

TEST(HookLoad, ASingleNumberAtAPressLeavesDlzAsItWas) {
    FakeHookHost host;
    Hook hook{host};
    host.settings = line52;
    hook.attach(module, host.thread);
    host.settings = "9\n";
    hook.mouse(0, down, 0x100, 0);
    EXPECT_EQ(hook.delays().dly, 9);
    EXPECT_EQ(hook.delays().dlz, 2);
}

TEST(HookLoad, WithoutALogOnlyThePressEdgesReachTheLogic) {
    FakeHookHost host;
    Hook hook{host};
    host.settings = line52;
    hook.attach(module, host.thread);
    for (unsigned msg : {move, up, ncUp, rightDown, rightUp}) EXPECT_FALSE(hook.wants(msg)) << msg;
    EXPECT_TRUE(hook.wants(down));
    EXPECT_TRUE(hook.wants(ncDown));
    hook.mouse(0, down, 0x100, 0);
    ASSERT_TRUE(hook.measuring());
    for (unsigned msg : {move, down, ncDown, rightDown}) EXPECT_FALSE(hook.wants(msg)) << msg;
    EXPECT_TRUE(hook.wants(up));
    EXPECT_TRUE(hook.wants(ncUp));

    FakeHookHost logged;
    logged.logExists = true;
    Hook withLog{logged};
    withLog.attach(module, logged.thread);
    EXPECT_TRUE(withLog.wants(move));
}

struct HookCase {
    const char* name;
    bool log;
    bool refuseHook, refuseUnhook;
    const char* ops;  // o = openHook, c = closeHook
    std::vector<int> results;
    Events expected;
    bool heldAtEnd;
};

const HookCase hookCases[] = {
    {"OpenTwiceInstallsOne", false, false, false, "oo", {0, 0}, {"set hook 7"}, true},
    {"OpenTwiceWithLog", true, false, false, "oo", {0, 0}, {"set hook 7", "flush", "flush"},
     true},
    {"OpenRefused", false, true, false, "o", {2}, {"set hook 7"}, false},
    {"OpenRefusedWithLog", true, true, false, "o", {2},
     {"set hook 7", "flush", "box SetWinHook failed"}, false},
    {"CloseWithoutHook", false, false, false, "c", {0}, {}, false},
    {"CloseWithoutHookWithLog", true, false, false, "c", {0},
     {"box hHook==NULL", "box closeHook failed"}, false},
    {"OpenCloseOpen", false, false, false, "oco", {0, 0, 0},
     {"set hook 7", "unhook 64", "set hook 7"}, true},
    {"CloseRefusedKeepsTheHook", false, false, true, "occ", {0, 0, 0},
     {"set hook 7", "unhook 64", "unhook 64"}, true},
    {"CloseRefusedWithLog", true, false, true, "oc", {0, 0},
     {"set hook 7", "flush", "unhook 64", "box closeHook failed"}, true},
};

class HookInstall : public ::testing::TestWithParam<HookCase> {};

TEST_P(HookInstall, ResultsAndBoxes) {
    const HookCase& c = GetParam();
    FakeHookHost host;
    Hook hook{host};
    host.logExists = c.log;
    host.hookRefused = c.refuseHook;
    host.unhookRefused = c.refuseUnhook;
    hook.attach(module, host.thread);
    std::vector<int> results;
    for (const char* op = c.ops; *op; ++op)
        results.push_back(*op == 'o' ? hook.openHook() : hook.closeHook());
    EXPECT_EQ(results, c.results);
    EXPECT_EQ(host.events, c.expected);
    EXPECT_EQ(hook.hook() != 0, c.heldAtEnd);
}

INSTANTIATE_TEST_SUITE_P(Cases, HookInstall, ::testing::ValuesIn(hookCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HookLog, WritesEveryStepOfAProcessLife) {
    FakeHookHost host;
    Hook hook{host};
    host.logExists = true;
    host.settings = line52;
    host.launcherTitleShown = launcherTitle;
    hook.attach(module, host.thread);
    hook.openHook();
    host.now = 1001;
    hook.mouse(0, down, 0x100, 300);
    host.now = 1002;
    hook.mouse(0, move, 0x100, 300);
    host.now = 1007;
    hook.mouse(3, up, 0x100, 300);
    hook.closeHook();
    host.thread = 0x3d;
    hook.threadAttached();
    hook.threadDetached();
    hook.detach();

    EXPECT_EQ(host.log,
              " dll attached at 1000, tid=2c, dly=5, dlz=2, hiAc=0x1a \n"
              " in openHook(), hHook=(nil), tid=44, tm=1000 \n"
              " hMod=0x7, hiAc=0x1a \n"
              " hHooked=0x40, lerr=0, time=Mon Jan 05 09:07:03 2015\n \n"
              " moumh( c=0, w=201, l=100 ), tid=2c,2c, dly=5, dlz=2, tm=1001, 0,0 \n"
              " -- hiAc=0x1a, tm1=1001, tm2=0, fd=0x5e, dly=5, dlz=2 \n"
              " moumh( c=0, w=200, l=100 ), tid=2c,2c, dly=5, dlz=2, tm=1002, 1001,0 \n"
              " moumh( c=3, w=202, l=100 ), tid=2c,2c, dly=5, dlz=2, tm=1007, 1001,0 \n"
              " ++ hiAc=0x1a, tm1=1001, tm2=1007 \n"
              " in closeHook(), hHook=0x40, tid=44, tm=1007 \n"
              " tid=44, UnHooked=1, lerr=0 \n"
              " thread attached at 1007, tid=3d \n"
              " thread detached at 1007, tid=3d \n"
              " dll detached at 1007, tid=3d \n");
    EXPECT_EQ(host.events, (Events{"set hook 7", "flush", "post 26 1324 4660 300", "flush",
                                   "unhook 64", "close log"}));
    EXPECT_EQ(hook.launcher(), 0u);
}

TEST(HookLog, WithoutTheFileNothingIsWrittenAndNoBoxShows) {
    FakeHookHost host;
    Hook hook{host};
    host.settings = line52;
    host.hookRefused = true;
    hook.attach(module, host.thread);
    EXPECT_EQ(hook.openHook(), hookFailed);
    hook.mouse(0, down, 0x100, 300);
    host.now += 5;
    hook.mouse(0, up, 0x100, 300);
    hook.detach();
    EXPECT_EQ(host.log, "");
    EXPECT_EQ(host.events, (Events{"set hook 7", "beep 500 100"}));
}

}  // namespace
}  // namespace longtap
