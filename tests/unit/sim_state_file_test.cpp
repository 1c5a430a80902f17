// The state file: what the DLL writes it reads back, and bad files never hurt the caller.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "simulator/state_file.h"

namespace {

namespace fs = std::filesystem;
using sim::Bank;
using sim::Controller;

Bank unusualBank() {
    Controller a = sim::defaultController(0xA800);
    a.version = {{3, 9, 6}};
    a.settings = {{12, 255, 0, 4, 0, 30, 1, 99}};
    a.suspend = 1;
    a.startup = 255;
    a.edgeMask = 0x1f;
    a.margins = {{0, 1, 2, 3}};
    a.comp = {{200, 201, 202, 203}};
    a.beep = {{255, 1}};
    a.swap = 1;
    a.mirror = 1;
    a.layout = {{1024, 768, 800, 600, 0xFCE0, 65535}};
    a.calibrating = true;
    a.faults.refuseCalibration = true;
    a.faults.badVersion = true;
    Controller b = sim::defaultController(0xAA00);
    b.faults.absent = true;
    b.faults.refuseOpen = true;
    return {a, b};
}

TEST(SimStateFile, FormatParsesBackToTheSameBank) {
    const Bank bank = unusualBank();
    EXPECT_EQ(sim::parseBank(sim::formatBank(bank)), bank);
}

TEST(SimStateFile, DefaultLineReadsAsDocumented) {
    const std::string text = sim::formatBank({sim::defaultController(0xA000)});
    EXPECT_EQ(text,
              "# padlink simulator state: one controller per line\n"
              "pid=a000 version=4,0,0 settings=1,32,50,1,1,20,50,0 suspend=0 startup=5 edge=0 "
              "margins=50,50,50,50 comp=50,50,50,50 beep=170,50 swap=0 mirror=0 "
              "layout=0,0,0,0,0,0 calibrating=0 faults=none\n");
}

TEST(SimStateFile, ShortLinesTakeDefaultsForMissingFields) {
    const Bank bank = sim::parseBank("pid=0xA200 version=3,9,5\r\n  # a comment\n\npid=a000\n");
    ASSERT_EQ(bank.size(), 2u);
    Controller expected = sim::defaultController(0xA200);
    expected.version = {{3, 9, 5}};
    EXPECT_EQ(bank[0], expected);
    EXPECT_EQ(bank[1], sim::defaultController(0xA000));
}

TEST(SimStateFile, TextsWithoutAControllerGiveTheDefaultBank) {
    for (const char* text : {"", "\n\n", "# only a comment\n", "garbage\x01\xff", "pid=",
                             "pid=zz00 version=1,2,3", "pid=0", "pid=10000", "version=3,9,5"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(sim::parseBank(text), sim::defaultBank());
    }
}

TEST(SimStateFile, MalformedFieldsKeepTheirDefaults) {
    const char* fields[] = {
        "version=3,9",       "version=10,0,0",     "version=a,b,c",     "settings=1,2,3",
        "settings=1,2,3,4,5,6,7,256", "suspend=-1", "startup=300",      "edge=0x1f",
        "margins=1,2,3,4,5", "comp=1,,3,4",        "beep=1",            "swap=",
        "mirror=yes",        "layout=1,2,3,4,5,65536", "calibrating=2", "faults=broken",
        "faults=absent,", "version", "=5",
    };
    for (const char* field : fields) {
        SCOPED_TRACE(field);
        const Bank bank = sim::parseBank(std::string("pid=a000 ") + field);
        ASSERT_EQ(bank.size(), 1u);
        EXPECT_EQ(bank[0], sim::defaultController(0xA000));
    }
}

TEST(SimStateFile, FirstLineOfAPidWins) {
    const Bank bank = sim::parseBank("pid=a000 swap=1\npid=a000 swap=0\npid=a200\n");
    ASSERT_EQ(bank.size(), 2u);
    EXPECT_EQ(bank[0].swap, 1);
    EXPECT_EQ(bank[1].pid, 0xA200);
}

class SimStateFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = (fs::temp_directory_path() / (std::string("sim_state_") + info->name() + ".sim"))
                   .string();
        std::remove(path.c_str());
    }
    void TearDown() override { std::remove(path.c_str()); }
    std::string path;
};

TEST_F(SimStateFileOnDisk, SavedBankLoadsBack) {
    ASSERT_TRUE(sim::saveBankFile(path, unusualBank()));
    EXPECT_EQ(sim::loadBankFile(path), unusualBank());
}

TEST_F(SimStateFileOnDisk, MissingEmptyOrBinaryFileGivesTheDefaultBank) {
    EXPECT_EQ(sim::loadBankFile(path), sim::defaultBank());
    std::ofstream(path).close();
    EXPECT_EQ(sim::loadBankFile(path), sim::defaultBank());
    std::ofstream(path, std::ios::binary) << std::string("\0\0\xff\xfe pid", 8);
    EXPECT_EQ(sim::loadBankFile(path), sim::defaultBank());
}

TEST_F(SimStateFileOnDisk, SavingIntoAMissingFolderFails) {
    EXPECT_FALSE(sim::saveBankFile(path + ".d/none/state.sim", sim::defaultBank()));
}

}  // namespace
