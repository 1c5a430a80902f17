// The five entries over a bank, through the in-process fake and through state files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "common/padlink_api.h"
#include "simulator/fake_padlink.h"
#include "simulator/file_store.h"
#include "simulator/state_file.h"

namespace {

namespace fs = std::filesystem;
using Block = std::vector<unsigned char>;

Block command(const char* name, std::initializer_list<int> values = {}) {
    Block b(padlink::blockSize, 0);
    std::memcpy(b.data(), name, std::strlen(name));
    std::size_t i = std::strlen(name);
    for (int v : values) b[i++] = static_cast<unsigned char>(v);
    return b;
}

// The entries as a caller binds them by name.
struct Bound {
    explicit Bound(const std::map<std::string, void*>& table)
        : setId(reinterpret_cast<SetIDFn>(table.at("SetID"))),
          open(reinterpret_cast<OpenPadlinkFn>(table.at("OpenPadlink"))),
          close(reinterpret_cast<ClosePadlinkFn>(table.at("ClosePadlink"))),
          write(reinterpret_cast<WriteTPFn>(table.at("WriteTP"))),
          read(reinterpret_cast<ReadTPFn>(table.at("ReadTP"))) {}

    // One exchange as the programs make it: write, blank the buffer, read.
    Block ask(Block block) {
        write(block.data());
        std::fill(block.begin(), block.end(), ' ');
        read(block.data());
        return block;
    }

    SetIDFn setId;
    OpenPadlinkFn open;
    ClosePadlinkFn close;
    WriteTPFn write;
    ReadTPFn read;
};

sim::Bank bankOf(std::initializer_list<int> pids) {
    sim::Bank bank;
    for (int pid : pids) bank.push_back(sim::defaultController(pid));
    return bank;
}

TEST(SimSession, JournalRecordsEveryCall) {
    sim::FakePadlink fake;
    Bound lib(fake.entries());
    EXPECT_EQ(lib.setId(0, 0xA200, 0), 0);
    EXPECT_EQ(lib.open(), 0);
    const Block reply = lib.ask(command("D1_setca", {0, 1, 2, 3}));
    EXPECT_EQ(lib.close(), 0);
    EXPECT_EQ(reply[0], ' ');
    EXPECT_EQ(fake.journal(),
              (std::vector<std::string>{
                  "SetID 0 a200 0",
                  "OpenPadlink a200 -> 0",
                  "WriteTP a200 44315f7365746361000102030000000000",
                  "ReadTP a200 2044" + std::string(60, '0'),
                  "ClosePadlink",
              }));
}

TEST(SimSession, WithoutSetIdTheFirstPresentControllerOpens) {
    sim::Bank bank = bankOf({0xA800, 0xAA00, 0xA000});
    bank[0].faults.absent = true;
    sim::FakePadlink fake(bank);
    Bound lib(fake.entries());
    EXPECT_EQ(lib.open(), 0);
    EXPECT_EQ(fake.journal().back(), "OpenPadlink aa00 -> 0");
}

TEST(SimSession, OpenFailsForMissingAbsentAndRefusingControllers) {
    sim::Bank bank = bankOf({0xA000, 0xA800, 0xA200});
    bank[1].faults.absent = true;
    bank[2].faults.refuseOpen = true;
    sim::FakePadlink fake(bank);
    Bound lib(fake.entries());
    for (int pid : {0xAA00, 0xA800, 0xA200, 0}) {
        SCOPED_TRACE(pid);
        lib.setId(0, pid, 0);
        EXPECT_NE(lib.open(), 0);
        EXPECT_EQ(lib.write(command("D1_setca", {1, 1, 1, 1}).data()), 1);
        Block untouched(padlink::blockSize, 'x');
        EXPECT_EQ(lib.read(untouched.data()), 1);
        EXPECT_EQ(untouched, Block(padlink::blockSize, 'x'));
        lib.close();
    }
    EXPECT_EQ(fake.controller(0xA200).comp, sim::defaultController(0xA200).comp);
    EXPECT_EQ(fake.journalLines("WriteTP none ").size(), 4u);
}

TEST(SimSession, NoPresentControllerMeansNoDefault) {
    sim::Bank bank = bankOf({0xA000});
    bank[0].faults.absent = true;
    sim::FakePadlink fake(bank);
    Bound lib(fake.entries());
    EXPECT_NE(lib.open(), 0);
    EXPECT_EQ(fake.journal().back(), "OpenPadlink none -> 1");
}

TEST(SimSession, ReadBeforeAnyWriteGetsAPlainReply) {
    sim::FakePadlink fake;
    Bound lib(fake.entries());
    lib.open();
    Block block(padlink::blockSize, ' ');
    EXPECT_EQ(lib.read(block.data()), 0);
    Block expected(padlink::blockSize, 0);
    expected[0] = ' ';
    expected[1] = 'D';
    EXPECT_EQ(block, expected);
}

TEST(SimSession, WritesLandInTheBankAndBankChangesAreSeen) {
    sim::FakePadlink fake;
    Bound lib(fake.entries());
    lib.setId(0, 0xA000, 0);
    lib.open();
    lib.write(command("D1_stssm", {1, 0, 0, 9}).data());
    EXPECT_EQ(fake.controller(0xA000).suspend, 1);
    EXPECT_EQ(fake.controller(0xA000).startup, 9);
    fake.controller(0xA000).version = {{3, 9, 7}};
    const Block reply = lib.ask(command("D1_rfwver"));
    EXPECT_EQ(std::vector<int>(reply.begin() + 10, reply.begin() + 13),
              (std::vector<int>{3, 9, 7}));
}

TEST(SimSession, EntriesWithoutLeavesOutExactlyOne) {
    sim::FakePadlink fake;
    for (const char* entry : {"OpenPadlink", "WriteTP", "ReadTP", "ClosePadlink", "SetID"}) {
        SCOPED_TRACE(entry);
        const auto table = fake.entriesWithout(entry);
        EXPECT_EQ(table.size(), 4u);
        EXPECT_EQ(table.count(entry), 0u);
    }
}

TEST(SimSession, OnlyOneFakeAtATime) {
    sim::FakePadlink fake;
    EXPECT_THROW(sim::FakePadlink second, std::logic_error);
}

// The DLL's storage: two sessions on one state file stand for two programs in turn.
class SimFileSession : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        state = (fs::temp_directory_path() / (std::string("sim_session_") + info->name() + ".sim"))
                    .string();
        journal = state + ".journal";
        std::remove(state.c_str());
        std::remove(journal.c_str());
    }
    void TearDown() override {
        std::remove(state.c_str());
        std::remove(journal.c_str());
    }
    std::vector<std::string> journalLines() {
        std::ifstream in(journal);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    std::string state, journal;
};

TEST_F(SimFileSession, OneProgramsWritesAreSeenByTheNext) {
    {
        sim::FileStore store(state);
        sim::FileJournal log(journal);
        sim::Session writer(store, log);
        writer.setId(0, 0xA200, 0);
        writer.open();
        writer.write(command("D1_setedge", {0x0b, 1, 2, 3, 4}).data());
        writer.close();
    }
    EXPECT_EQ(sim::loadBankFile(state)[1].edgeMask, 0x0b);
    sim::FileStore store(state);
    sim::FileJournal log(journal);
    sim::Session reader(store, log);
    reader.setId(0, 0xA200, 0);
    reader.open();
    Block block = command("D1_readedge");
    reader.write(block.data());
    reader.read(block.data());
    EXPECT_EQ(std::vector<int>(block.begin() + 9, block.begin() + 14),
              (std::vector<int>{0x0b, 1, 2, 3, 4}));
    const auto lines = journalLines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2], "WriteTP a200 44315f736574656467650b010203040000");
    EXPECT_EQ(lines[3], "ClosePadlink");
    EXPECT_EQ(lines[6], "WriteTP a200 44315f7265616465646765000000000000");
}

TEST_F(SimFileSession, QueriesLeaveTheStateFileAlone) {
    sim::FileStore store(state);
    sim::FileJournal log(journal);
    sim::Session session(store, log);
    session.open();
    Block block = command("D1_allmodeopt");
    session.write(block.data());
    EXPECT_FALSE(fs::exists(state));
    session.write(command("D1_mbmodeopt", {2}).data());
    EXPECT_EQ(sim::loadBankFile(state)[0].settings[sim::mbMode], 2);
}

TEST_F(SimFileSession, MalformedStateFileIsReplacedByDefaultsOnTheNextSet) {
    std::ofstream(state) << "pid=a000 version=oops\nnonsense\n";
    sim::FileStore store(state);
    sim::FileJournal log(journal);
    sim::Session session(store, log);
    EXPECT_EQ(session.open(), 0);
    Block block = command("D1_rfwver");
    session.write(block.data());
    session.read(block.data());
    EXPECT_EQ(std::vector<int>(block.begin() + 10, block.begin() + 13),
              (std::vector<int>{4, 0, 0}));
    session.write(command("D1_setca", {1, 2, 3, 4}).data());
    const sim::Bank bank = sim::loadBankFile(state);
    ASSERT_EQ(bank.size(), 1u);
    EXPECT_EQ(bank[0].comp, (std::array<std::uint8_t, 4>{{1, 2, 3, 4}}));
}

}  // namespace
