// The calibrator's start and end, headless: the single-instance test, the log, the caption,
// the binding with its silent failures, the monitor choice and the shutdown.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "calibrator/entry.h"
#include "calibrator/monitor_choice.h"
#include "tests/unit/calibrator_fixture.h"

namespace touchcal {
namespace {

using Beeps = std::vector<platform::BeepCall>;
using Texts = std::vector<std::string>;

const std::string design = designCaption;

std::string pointer(const void* p) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", p);
    return text;
}

int runEntry(const char* commandLine) {
    return touchcalMain({nullptr, nullptr, commandLine, 1}, ui::Mode::Headless);
}

TEST(CalibratorStart, ASecondStartBringsTheFirstForwardAndEnds) {
    Terminal t;
    t.plugIn();
    t.host.writeFile("\\touchcal.log", "first run\n");
    const platform::WindowRef first = t.host.addWindow("TApplication", appTitle);
    t.host.addWindow("TApplication", "Tormalin USB Touch Acceleration Tool");
    EXPECT_EQ(runEntry("-i"), 0);
    const std::vector<platform::FakeEvent>& events = t.host.eventList();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].kind, platform::FakeEventKind::Find);
    EXPECT_EQ(events[1].kind, platform::FakeEventKind::Forward);
    EXPECT_EQ(events[1].a, static_cast<std::int64_t>(first));
    EXPECT_EQ(t.host.beeps(), (Beeps{{1000, 100}}));
    EXPECT_TRUE(t.pad.journal().empty());
    EXPECT_EQ(t.host.readFile("\\touchcal.log"), "first run\n");
}

TEST(CalibratorStart, LogOfAWholeStartAndEndReplacesTheLastOne) {
    Terminal t;
    t.pad.controller(0xA000).version = {{1, 4, 7}};
    t.plugIn();
    t.host.writeFile("\\touchcal.log", "earlier run\n");
    const auto entries = t.pad.entries();
    const auto entry = [&](const char* name) { return pointer(entries.at(name)); };
    const std::string hm = pointer(reinterpret_cast<void*>(0x10000000));
    EXPECT_EQ(runEntry("-x"), 0);
    const std::string expected =
        " ----------- 940623,970415 ------------- Mon Jan 05 09:07:03 2015\n"
        " touchcal3, cmd=-x \n"
        " in ::Form1 at 10000 \n"
        " LoadLibrary( padlink.dll )=" + hm + " \n"
        " GetProcAddress( OpenPadlink )=" + entry("OpenPadlink") + " \n"
        " GetProcAddress( WriteTP )=" + entry("WriteTP") + " \n"
        " GetProcAddress( ReadTP )=" + entry("ReadTP") + " \n"
        " GetProcAddress( ClosePadlink )=" + entry("ClosePadlink") + " \n"
        " GetProcAddress( SetID )=" + entry("SetID") + " \n"
        " ofp()=0, sal_f=0 \n"
        " in wrtp( D1_rfwver ), hm=" + hm + ", wfp=" + entry("WriteTP") + ", rfp=" +
        entry("ReadTP") + " \n"
        " D1_rfwver=  20  44  0  0  0  0  0  0  0  0  1  4  7  0  0  0  0 \n"
        " in FormShow at 10800 \n"
        " snd_f=0 \n"
        " snd_f=0, idx=0, scrleft=0, scrwidth=1024, width=543, left=240 \n"
        "\n\n";
    EXPECT_EQ(t.host.readFile("\\touchcal.log"), expected);
}

TEST(CalibratorStart, RunStartIsLoggedWithTheReplyAndTheMonitor) {
    Terminal t;
    t.plugIn();
    t.start();
    t.withLog();
    t.pressStart();
    t.app.reset();
    // " %c" writes the reply's zero bytes as they are.
    const std::string zero(" \0", 2);
    std::string chars = "   D";
    for (int i = 2; i < 12; ++i)
        chars += zero;
    chars += " o k" + zero + zero + zero;
    const std::string reply = " 20 44 0 0 0 0 0 0 0 0 0 0 6f 6b 0 0 0 - " + chars;
    const std::string expected = " in Button1Click, hm=" +
                                 pointer(reinterpret_cast<void*>(0x10000000)) +
                                 ", dbg_f=0 \n"
                                 " buf[]=" + reply +
                                 "\n scrw=1024, scrh=768 \n"
                                 " snd_f=0, mon#=1, primary=1 \n"
                                 " Top=0, Left=0, scrw=1024, scrh=768 \n"
                                 " aboutbox top=0, left=0 \n"
                                 "\n\n";
    EXPECT_EQ(t.host.readFile("\\touchcal.log"), expected);
}

TEST(CalibratorStart, CaptionFromTheFileTheStampAndTheVersion) {
    struct Case {
        const char* what;
        const char* commandLine;
        std::function<void(Terminal&)> arrange;
        std::string caption;
    };
    const std::time_t built = platform::FakeHost::calendarTime(2014, 11, 3, 17, 45, 9);
    const Case cases[] = {
        {"design and version", "", [](Terminal&) {}, design + ".14"},
        {"first line of the file", "",
         [](Terminal& t) { t.host.writeFile("touchcal.ini", "Lane 3 Calibration\r\nnext\r\n"); },
         "Lane 3 Calibration.14"},
        {"cut at the first unprintable character", "",
         [](Terminal& t) { t.host.writeFile("touchcal.ini", "Lane\t3\n"); }, "Lane.14"},
        {"empty first line", "",
         [](Terminal& t) { t.host.writeFile("touchcal.ini", "\r\nnext\r\n"); }, ".14"},
        {"empty file", "", [](Terminal& t) { t.host.writeFile("touchcal.ini", ""); },
         design + ".14"},
        {"254 characters at most", "",
         [](Terminal& t) { t.host.writeFile("touchcal.ini", std::string(300, 'x') + "\n"); },
         std::string(254, 'x') + ".14"},
        {"invalid version reply", "",
         [](Terminal& t) { t.pad.controller(0xA000).faults.badVersion = true; }, design + ".00"},
        {"stamp of touchcal.exe here", "-f",
         [built](Terminal& t) {
             t.host.writeFile("touchcal.exe", "MZ");
             t.host.setFileTime("touchcal.exe", built);
         },
         design + ".03Nov1745.14"},
        {"stamp of the running program elsewhere", "-f",
         [built](Terminal& t) {
             t.host.setProgramPath("D:\\KIT\\touchcal.exe");
             t.host.writeFile("D:\\KIT\\touchcal.exe", "MZ");
             t.host.setFileTime("D:\\KIT\\touchcal.exe", built);
         },
         design + ".03Nov1745.14"},
        {"no program file: no stamp", "-f", [](Terminal&) {}, design + ".14"},
        {"stamp only with -f", "",
         [built](Terminal& t) {
             t.host.writeFile("touchcal.exe", "MZ");
             t.host.setFileTime("touchcal.exe", built);
         },
         design + ".14"},
        {"file, stamp and version", "-f",
         [built](Terminal& t) {
             t.host.writeFile("touchcal.ini", "Lane 3\n");
             t.host.writeFile("touchcal.exe", "MZ");
             t.host.setFileTime("touchcal.exe", built);
         },
         "Lane 3.03Nov1745.14"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Terminal t;
        t.pad.controller(0xA000).version = {{1, 4, 9}};
        c.arrange(t);
        t.plugIn();
        t.start(c.commandLine);
        EXPECT_EQ(t.main->caption(), c.caption);
    }
}

TEST(CalibratorStart, BindsInItsOwnOrderAndStopsAtEachFailure) {
    struct Case {
        const char* what;
        const char* commandLine;
        std::function<void(Terminal&)> arrange;
        Texts calls;
        std::string suffix;
        Beeps beeps;
        bool box;
        int libraries;  // still loaded
        bool early;
    };
    const auto without = [](const char* entry) {
        return [entry](Terminal& t) {
            t.host.addLibrary("padlink.dll", t.pad.entriesWithout(entry));
        };
    };
    const auto plugged = [](Terminal& t) { t.plugIn(); };
    const Case cases[] = {
        {"default controller", "", plugged, {"OpenPadlink a000 -> 0", "WriteTP", "ReadTP"}, ".40",
         {}, false, 1, false},
        {"-8 selects 0xA200 first", "-8", plugged,
         {"SetID 0 a200 0", "OpenPadlink a200 -> 0", "WriteTP", "ReadTP"}, ".40", {}, false, 1,
         false},
        {"no library", "", [](Terminal&) {}, {}, "", {{2000, 100}, {2000, 100}}, false, 0, true},
        {"no library in debug mode", "-d", [](Terminal&) {}, {}, "", {{2000, 100}, {2000, 100}},
         false, 0, true},
        {"no OpenPadlink", "", without("OpenPadlink"), {}, "", {}, false, 0, true},
        {"no WriteTP", "", without("WriteTP"), {}, "", {}, false, 0, true},
        {"no ReadTP", "", without("ReadTP"), {}, "", {}, false, 0, true},
        {"no ClosePadlink", "", without("ClosePadlink"), {}, "", {}, false, 0, true},
        {"no SetID, -8", "-8", without("SetID"), {}, "", {}, false, 0, true},
        {"no controller", "",
         [](Terminal& t) {
             t.pad.bank().clear();
             t.plugIn();
         },
         {"OpenPadlink none -> 1", "ClosePadlink"}, "", {}, true, 0, true},
        {"no controller in debug mode goes on", "-d",
         [](Terminal& t) {
             t.pad.bank().clear();
             t.plugIn();
         },
         {"OpenPadlink none -> 1", "WriteTP", "ReadTP"}, ".00", {}, false, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Terminal t;
        c.arrange(t);
        t.start(c.commandLine);
        Texts calls;
        for (const std::string& line : t.pad.journal())
            calls.push_back(line.rfind("WriteTP", 0) == 0 || line.rfind("ReadTP", 0) == 0
                                ? line.substr(0, line.find(' '))
                                : line);
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(t.main->caption(), design + c.suffix);
        EXPECT_EQ(t.host.beeps(), c.beeps);
        const std::vector<platform::BoxCall> noDevice{
            {"No touch device found!", "Tormalin Touch Calibrator3"}};
        EXPECT_EQ(t.host.boxes(), c.box ? noDevice : std::vector<platform::BoxCall>{});
        EXPECT_EQ(t.host.openLibraries(), c.libraries);
        EXPECT_EQ(t.main->endedEarly(), c.early);
        // Only a construction that reached the monitor choice moves the window.
        EXPECT_EQ(t.main->left() != 0, !c.early);
    }
}

TEST(CalibratorStart, MainWindowAndTargetsGoToTheChosenMonitor) {
    using platform::Monitor;
    struct Case {
        const char* what;
        const char* commandLine;
        std::vector<Monitor> monitors;
        int index;
        std::string mainAt, boxAt, pictureAt;
    };
    const Monitor wide{0, 0, 1024, 768, true, 1}, small{1024, 0, 800, 600, false, 2};
    const Monitor widePlain{0, 0, 1024, 768, false, 1}, smallPrimary{1024, 0, 800, 600, true, 2};
    const Case cases[] = {
        {"one monitor", "", {wide}, 0, "240,197", "0,0 1024x768", "98,640"},
        {"one monitor, -2", "-2", {wide}, 0, "240,197", "0,0 1024x768", "98,640"},
        {"-2: the non-primary one", "-2", {wide, small}, 1, "1152,113", "1024,0 800x600", "72,495"},
        {"primary listed second", "", {widePlain, smallPrimary}, 1, "1152,113", "1024,0 800x600",
         "72,495"},
        {"primary listed second, -2", "-2", {widePlain, smallPrimary}, 0, "240,197",
         "0,0 1024x768", "98,640"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Terminal t;
        t.host.setMonitors(c.monitors);
        t.plugIn();
        t.start(c.commandLine);
        EXPECT_EQ(snd_f, c.index);
        const auto at = [](const ui::Control& w) {
            return std::to_string(w.left()) + "," + std::to_string(w.top());
        };
        EXPECT_EQ(at(*t.main), c.mainAt);
        t.pressStart();
        EXPECT_EQ(at(*t.box) + " " + std::to_string(t.box->width()) + "x" +
                      std::to_string(t.box->height()),
                  c.boxAt);
        EXPECT_EQ(at(*t.box->Image1), c.pictureAt);
    }
}

TEST(CalibratorStart, DebugModeWithoutTheLibraryRunsOnThePrimaryMonitor) {
    Terminal t;
    t.host.setMonitors({{0, 0, 1024, 768, true, 1}});
    t.start("-d -2");
    ASSERT_TRUE(t.main->endedEarly());
    t.pressStart();
    ASSERT_TRUE(t.box->visible());
    EXPECT_EQ(t.box->width(), 1024);
}

TEST(CalibratorStart, ShutdownCancelsClosesAndReleasesBetweenTwoBeeps) {
    struct Case {
        const char* what;
        const char* commandLine;
        bool plugged;
        Texts calls;
    };
    const Case cases[] = {
        {"bound", "", true, {"WriteTP a000 44315f737763616e63656c202020202020", "ClosePadlink"}},
        {"bound in debug mode", "-d", true,
         {"WriteTP a000 44315f737763616e63656c202020202020", "ClosePadlink"}},
        {"no library", "", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Terminal t;
        if (c.plugged)
            t.plugIn();
        t.start(c.commandLine);
        t.pad.clearJournal();
        const std::size_t mark = t.host.mark();
        t.app.reset();
        EXPECT_EQ(t.pad.journal(), c.calls);
        EXPECT_EQ(t.host.beeps(mark), (Beeps{{1000, 100}, {2000, 100}}));
        EXPECT_EQ(t.host.openLibraries(), 0);
    }
}

}  // namespace
}  // namespace touchcal
