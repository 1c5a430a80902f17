// The monitor survey, the layout warning and "D1_bucvdi" at the manager's start.
#include "tests/unit/manager_fixture.h"

namespace touchman {

namespace {

using Strings = std::vector<std::string>;
using platform::Monitor;

// The six layout commands of one controller: code, then the value high byte first.
Strings layout(int pid, std::initializer_list<std::array<int, 3>> rows) {
    Strings blocks;
    for (const auto& r : rows)
        blocks.push_back(block(pid, "D1_bucvdi", {r[0], r[1], r[2]}));
    return blocks;
}

std::vector<std::string> bucvdi(const support::Terminal& t, int pid) {
    Strings lines;
    for (const std::string& line : t.written(pid))
        if (line.find(" 44315f6275637664") != std::string::npos)
            lines.push_back(line);
    return lines;
}

const char* const warning =
    "Attention please! \n\nTouch functions on the 2nd monitor might not work properly. \n"
    "The position of extended display can not higher than \nnor on the left of the main "
    "display. \nPlease leave this program and make adjustments \nin the Control Panel "
    "Display Settings page. ";

TEST_F(ManagerWindow, EachControllerIsToldTheDesktopsLayout) {
    struct Case {
        const char* what;
        std::vector<Monitor> monitors;
        bool warned;
        std::initializer_list<std::array<int, 3>> commands;
    };
    const Case cases[] = {
        {"second to the right",
         {Monitor{0, 0, 1024, 768, true, 1}, Monitor{1024, 0, 800, 600, false, 2}},
         false,
         {{0xB1, 0x04, 0x00}, {0xB2, 0x03, 0x00}, {0xB3, 0x03, 0x20}, {0xB4, 0x02, 0x58},
          {0xB5, 0x04, 0x00}, {0xB6, 0x00, 0x00}}},
        {"second to the left",
         {Monitor{0, 0, 1024, 768, true, 1}, Monitor{-800, 0, 800, 600, false, 2}},
         true,
         {{0xB1, 0x04, 0x00}, {0xB2, 0x03, 0x00}, {0xB3, 0x03, 0x20}, {0xB4, 0x02, 0x58},
          {0xB5, 0xFC, 0xE0}, {0xB6, 0x00, 0x00}}},
        {"above and to the right",
         {Monitor{0, 0, 1024, 768, true, 1}, Monitor{1024, -600, 800, 600, false, 2}},
         true,
         {{0xB1, 0x04, 0x00}, {0xB2, 0x03, 0x00}, {0xB3, 0x03, 0x20}, {0xB4, 0x02, 0x58},
          {0xB5, 0x04, 0x00}, {0xB6, 0xFD, 0xA8}}},
        {"three monitors: the last other one, primary listed second",
         {Monitor{1920, 0, 1280, 1024, false, 2}, Monitor{0, 0, 1920, 1080, true, 1},
          Monitor{3200, 0, 640, 480, false, 3}},
         false,
         {{0xB1, 0x07, 0x80}, {0xB2, 0x04, 0x38}, {0xB3, 0x02, 0x80}, {0xB4, 0x01, 0xE0},
          {0xB5, 0x0C, 0x80}, {0xB6, 0x00, 0x00}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.setMonitors(c.monitors);
        plugIn(bankOf({0xA000, 0xA200}));
        form.reset();  // the last case's window ends with its beeps and the log's end
        openLog("\\touchman.log", "a+");
        const std::size_t m = host.mark();
        open();
        EXPECT_EQ(bucvdi(*this, 0xA000), layout(0xA000, c.commands));
        EXPECT_EQ(bucvdi(*this, 0xA200), layout(0xA200, c.commands));
        const std::vector<platform::BoxCall> boxes = host.boxes(m);
        EXPECT_EQ(boxes.size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(boxes[0].text, warning);
            EXPECT_EQ(boxes[0].caption, "Tormalin USB MSR Manager");
        }
        EXPECT_EQ(host.beeps(m), std::vector<platform::BeepCall>{});
        EXPECT_EQ(host.openLibraries(), 0);
    }
    EXPECT_NE(log().find(" bufx=fc,e0 \n"), std::string::npos);
}

TEST_F(ManagerWindow, OneMonitorOrOneControllerGivesTwoBeepsAndNoLayout) {
    for (bool twoScreens : {false, true}) {
        SCOPED_TRACE(twoScreens ? "one controller" : "one monitor");
        if (twoScreens)
            twoMonitors();
        plugIn(twoScreens ? bankOf({0xA000}) : bankOf({0xA000, 0xA200}));
        form.reset();
        const std::size_t m = host.mark();
        open();
        EXPECT_TRUE(bucvdi(*this, 0xA000).empty());
        EXPECT_EQ(host.beeps(m), (std::vector<platform::BeepCall>{{500, 500}, {500, 500}}));
        EXPECT_TRUE(host.boxes(m).empty());
    }
}

}  // namespace

}  // namespace touchman
