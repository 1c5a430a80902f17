// The virtual controller's answers to each command, and set commands read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "simulator/commands.h"

namespace {

using sim::Command;
using sim::Controller;
using sim::Reply;

// A command as the callers build it: the name, then the value bytes in its terminator's
// place, the rest zero.
Command command(const char* name, std::initializer_list<int> values = {}) {
    Command cmd{};
    std::memcpy(cmd.data(), name, std::strlen(name));
    std::size_t i = std::strlen(name);
    for (int v : values) cmd[i++] = static_cast<std::uint8_t>(v);
    return cmd;
}

Command text(const char* padded) {
    Command cmd{};
    std::memcpy(cmd.data(), padded, std::min(std::strlen(padded), cmd.size()));
    return cmd;
}

Reply ask(Controller& c, const Command& cmd) { return sim::execute(c, cmd).reply; }

Controller sample() {
    Controller c = sim::defaultController(0xA000);
    c.version = {{3, 9, 5}};
    c.settings = {{5, 33, 51, 2, 0, 30, 200, 7}};
    c.suspend = 1;
    c.startup = 12;
    c.edgeMask = 0x1f;
    c.margins = {{10, 11, 12, 13}};
    c.comp = {{20, 21, 22, 23}};
    return c;
}

struct QueryCase {
    const char* name;
    std::vector<std::pair<int, int>> bytes;  // position, value
};

TEST(SimCommands, QueriesAnswerAtTheirPositions) {
    const QueryCase cases[] = {
        {"D1_rfwver", {{10, 3}, {11, 9}, {12, 5}}},
        {"D1_rdssmst", {{9, 1}, {12, 12}}},
        {"D1_readedge", {{9, 0x1f}, {10, 10}, {11, 11}, {12, 12}, {13, 13}}},
        {"D1_allmodeopt",
         {{8, 5}, {9, 33}, {10, 51}, {11, 2}, {12, 0}, {13, 30}, {14, 200}, {15, 7}}},
        {"D1_readcav", {{9, 20}, {10, 21}, {11, 22}, {12, 23}}},
    };
    for (const auto& qc : cases) {
        SCOPED_TRACE(qc.name);
        Controller c = sample();
        const Controller before = c;
        const sim::Outcome out = sim::execute(c, command(qc.name));
        Reply expected{};
        expected[0] = ' ';
        expected[1] = 'D';
        for (const auto& b : qc.bytes) expected[b.first] = static_cast<std::uint8_t>(b.second);
        EXPECT_EQ(out.reply, expected);
        EXPECT_FALSE(out.stateSet);
        EXPECT_EQ(c, before);
    }
}

TEST(SimCommands, UnknownOrMisspelledCommandsGetAPlainReply) {
    for (const char* name : {"D1_nosuch", "D1_rfwverx", "D1_readedg", "", "d1_rfwver"}) {
        SCOPED_TRACE(name);
        Controller c = sample();
        const Controller before = c;
        const sim::Outcome out = sim::execute(c, command(name));
        EXPECT_EQ(out.reply, sim::plainReply());
        EXPECT_FALSE(out.stateSet);
        EXPECT_EQ(c, before);
    }
}

TEST(SimCommands, BlankPaddedQueryIsUnderstood) {
    Controller c = sample();
    EXPECT_EQ(ask(c, text("D1_rfwver      "))[10], 3);
}

TEST(SimCommands, BadVersionFaultAnswersWithoutHeader) {
    Controller c = sample();
    c.faults.badVersion = true;
    EXPECT_EQ(ask(c, command("D1_rfwver")), Reply{});
    EXPECT_EQ(ask(c, command("D1_readedge"))[1], 'D');
}

// What touchman's write sends is what its next read gets back.
TEST(SimCommands, SettingsWrittenByTheManagerReadBack) {
    Controller c = sim::defaultController(0xA000);
    EXPECT_TRUE(sim::execute(c, command("D1_modeopt", {3, 40, 60, 9})).stateSet);
    EXPECT_TRUE(sim::execute(c, command("D1_mbmodeopt", {4})).stateSet);
    EXPECT_TRUE(sim::execute(c, command("D1_buzopt", {0, 30, 100, 0xA8, 255, 100})).stateSet);
    const Reply r = ask(c, command("D1_allmodeopt"));
    EXPECT_EQ(std::vector<int>(r.begin() + 8, r.begin() + 16),
              (std::vector<int>{3, 40, 60, 4, 0, 30, 100, 9}));
    EXPECT_EQ(c.beep, (std::array<std::uint8_t, 2>{{255, 100}}));
}

TEST(SimCommands, EdgeCompensationAndSuspendReadBack) {
    Controller c = sim::defaultController(0xA200);
    sim::execute(c, command("D1_setedge", {0x0b, 0, 200, 1, 255}));
    sim::execute(c, command("D1_setca", {7, 0, 9, 10}));
    sim::execute(c, command("D1_stssm", {1, 0, 0, 30}));
    const Reply edge = ask(c, command("D1_readedge"));
    EXPECT_EQ(std::vector<int>(edge.begin() + 9, edge.begin() + 14),
              (std::vector<int>{0x0b, 0, 200, 1, 255}));
    const Reply cav = ask(c, command("D1_readcav"));
    EXPECT_EQ(std::vector<int>(cav.begin() + 9, cav.begin() + 13),
              (std::vector<int>{7, 0, 9, 10}));
    const Reply ssm = ask(c, command("D1_rdssmst"));
    EXPECT_EQ(ssm[9], 1);
    EXPECT_EQ(ssm[12], 30);
}

TEST(SimCommands, BuzoptOperationsAreRecorded) {
    Controller c = sim::defaultController(0xA000);
    sim::execute(c, command("D1_buzopt", {1, 20, 50, 0xA5, 1}));
    EXPECT_EQ(c.swap, 1);
    sim::execute(c, command("D1_buzopt", {1, 20, 50, 0xA1, 1}));
    EXPECT_EQ(c.mirror, 1);
    sim::execute(c, command("D1_buzopt", {1, 20, 50, 0xA5, 0}));
    EXPECT_EQ(c.swap, 0);
    EXPECT_EQ(c.mirror, 1);
    // Without an operation (0xA800, 0xAA00) only the beep settings change.
    sim::execute(c, command("D1_buzopt", {0, 5, 6}));
    EXPECT_EQ(c.settings[sim::buzr], 0);
    EXPECT_EQ(c.settings[sim::freq], 5);
    EXPECT_EQ(c.settings[sim::dura], 6);
    EXPECT_EQ(c.beep, (std::array<std::uint8_t, 2>{{170, 50}}));
    EXPECT_EQ(c.mirror, 1);
}

TEST(SimCommands, MonitorLayoutIsRecordedPerOperation) {
    Controller c = sim::defaultController(0xA000);
    const int values[][2] = {{0x04, 0x00}, {0x03, 0x00}, {0x03, 0x20},
                             {0x02, 0x58}, {0xFC, 0xE0}, {0x00, 0x00}};
    for (int op = 0; op < sim::layoutCount; ++op)
        sim::execute(c, command("D1_bucvdi", {0xB1 + op, values[op][0], values[op][1]}));
    EXPECT_EQ(c.layout, (std::array<std::uint16_t, 6>{{1024, 768, 800, 600, 0xFCE0, 0}}));
    sim::execute(c, command("D1_bucvdi", {0xB7, 1, 1}));
    sim::execute(c, command("D1_bucvdi", {0xB0, 1, 1}));
    EXPECT_EQ(c.layout, (std::array<std::uint16_t, 6>{{1024, 768, 800, 600, 0xFCE0, 0}}));
}

TEST(SimCommands, CalibrationStartAndCancel) {
    Controller c = sim::defaultController(0xA000);
    const sim::Outcome start = sim::execute(c, text("D1_calibrst          "));
    EXPECT_EQ(start.reply[0], ' ');
    EXPECT_EQ(start.reply[13], 'k');
    EXPECT_TRUE(start.stateSet);
    EXPECT_TRUE(c.calibrating);
    const sim::Outcome cancel = sim::execute(c, text("D1_swcancel          "));
    EXPECT_EQ(cancel.reply, sim::plainReply());
    EXPECT_TRUE(cancel.stateSet);
    EXPECT_FALSE(c.calibrating);
}

TEST(SimCommands, RefusedCalibrationHasNoK) {
    Controller c = sim::defaultController(0xA200);
    c.faults.refuseCalibration = true;
    const Reply r = ask(c, text("D1_calibrst          "));
    EXPECT_EQ(r[0], ' ');
    EXPECT_NE(r[13], 'k');
    EXPECT_FALSE(c.calibrating);
}

}  // namespace
