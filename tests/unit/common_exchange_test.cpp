#include "common/cmdbuf.h"
#include "common/debug_log.h"
#include "calibrator/cal_form.h"
#include "common/exchange.h"
#include "edgetool/edge_form.h"
#include "manager/main_form.h"
#include "platform/testing/fake_host.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const ExchangeStyle& managerStyle = touchman::exchangeStyle;
const ExchangeStyle& toolStyle = touchacc::exchangeStyle;
const ExchangeStyle& calibratorStyle = touchcal::exchangeStyle;

// A device library whose entries record what they were given.
struct Device {
    std::vector<std::string> calls;
    std::vector<std::array<unsigned char, 32>> written;
    std::array<unsigned char, 32> seenByRead{};
    std::array<unsigned char, 32> reply{};
    int openResult = 0;
};
Device* device = nullptr;

int PADLINK_CALL fakeSetID(int a, int pid, int c) {
    char line[40];
    std::snprintf(line, sizeof line, "SetID %d %x %d", a, pid, c);
    device->calls.push_back(line);
    return 0;
}
int PADLINK_CALL fakeOpen() { device->calls.push_back("OpenPadlink"); return device->openResult; }
int PADLINK_CALL fakeClose() { device->calls.push_back("ClosePadlink"); return 0; }
int PADLINK_CALL fakeWrite(unsigned char* block) {
    device->calls.push_back("WriteTP");
    std::array<unsigned char, 32> b;
    std::memcpy(b.data(), block, 32);
    device->written.push_back(b);
    return 0;
}
int PADLINK_CALL fakeRead(unsigned char* block) {
    device->calls.push_back("ReadTP");
    std::memcpy(device->seenByRead.data(), block, 32);
    std::memcpy(block, device->reply.data(), 32);
    return 0;
}

class Exchange : public ::testing::Test {
protected:
    void SetUp() override {
        device = &dev;
        std::memset(cmdBuf, 0, sizeof cmdBuf);
    }
    void TearDown() override {
        closeLog();
        device = nullptr;
    }

    void installLibrary(const std::string& missing = "") {
        std::map<std::string, void*> entries = {
            {"SetID", reinterpret_cast<void*>(&fakeSetID)},
            {"OpenPadlink", reinterpret_cast<void*>(&fakeOpen)},
            {"ClosePadlink", reinterpret_cast<void*>(&fakeClose)},
            {"WriteTP", reinterpret_cast<void*>(&fakeWrite)},
            {"ReadTP", reinterpret_cast<void*>(&fakeRead)},
        };
        entries.erase(missing);
        host.addLibrary("padlink.dll", entries);
    }

    void openLogFile(const char* mode = "a+") {
        host.writeFile("\\test.log", "");
        ASSERT_TRUE(openLog("\\test.log", mode));
    }
    std::string logText() {
        logFlush();
        return host.readFile("\\test.log");
    }

    platform::FakeHost host;
    Device dev;
};

class MissingEntry : public Exchange, public ::testing::WithParamInterface<std::pair<const char*, chkusbResult>> {};

TEST_P(MissingEntry, OpenusbReportsTheFirstMissingEntryAndReleasesTheLibrary) {
    installLibrary(GetParam().first);
    Padlink pl{&managerStyle};
    EXPECT_EQ(openusb(pl, 0xA000), GetParam().second);
    EXPECT_EQ(pl.hm, 0u);
    EXPECT_EQ(host.openLibraries(), 0);
    EXPECT_TRUE(dev.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, MissingEntry,
    ::testing::Values(std::make_pair("OpenPadlink", usbNoOpenPadlink),
                      std::make_pair("WriteTP", usbNoWriteTP),
                      std::make_pair("ReadTP", usbNoReadTP),
                      std::make_pair("ClosePadlink", usbNoClosePadlink),
                      std::make_pair("SetID", usbNoSetID)),
    [](const auto& info) { return std::string("No") + info.param.first; });

TEST_F(Exchange, OpenusbOpensOrClosesAndReleases) {
    installLibrary();
    Padlink pl{&managerStyle};
    EXPECT_EQ(openusb(pl, 0xA200), usbOpened);
    EXPECT_NE(pl.hm, 0u);
    EXPECT_EQ(dev.calls, (std::vector<std::string>{"SetID 0 a200 0", "OpenPadlink"}));
    closeusb(pl);
    EXPECT_EQ(pl.hm, 0u);
    EXPECT_EQ(host.openLibraries(), 0);

    dev.calls.clear();
    dev.openResult = 1;
    EXPECT_EQ(openusb(pl, 0xA800), usbOpenRefused);
    EXPECT_EQ(dev.calls, (std::vector<std::string>{"SetID 0 a800 0", "OpenPadlink", "ClosePadlink"}));
    EXPECT_EQ(host.openLibraries(), 0);
}

TEST_F(Exchange, OpenusbWithoutLibraryOrInDebugMode) {
    Padlink pl{&managerStyle};
    EXPECT_EQ(openusb(pl, 0xA000), usbNoLibrary);
    pl.dbg = true;
    installLibrary();
    EXPECT_EQ(openusb(pl, 0xA000), usbOpened);
    EXPECT_EQ(pl.hm, 0u);
    EXPECT_EQ(host.loads().size(), 1u);  // only the attempt before debug mode
    EXPECT_TRUE(dev.calls.empty());
}

TEST_F(Exchange, OpenusbLogLinesOfManagerAndEdgeTool) {
    installLibrary();
    openLogFile();
    Padlink manager{&managerStyle};
    openusb(manager, 0xA000);
    void* hm = reinterpret_cast<void*>(manager.hm);
    char expected[512];
    std::snprintf(expected, sizeof expected,
                  " in openusb, pid=a000 \n LoadLibrary( padlink.dll )=%p \n"
                  " GetProcAddress( OpenPadlink )=%p \n GetProcAddress( WriteTP )=%p \n"
                  " GetProcAddress( ReadTP )=%p \n GetProcAddress( ClosePadlink )=%p \n"
                  " GetProcAddress( SetID )=%p \n ofp()=0, pid=a000 \n",
                  hm, reinterpret_cast<void*>(&fakeOpen), reinterpret_cast<void*>(&fakeWrite),
                  reinterpret_cast<void*>(&fakeRead), reinterpret_cast<void*>(&fakeClose),
                  reinterpret_cast<void*>(&fakeSetID));
    EXPECT_EQ(logText(), expected);
    closeusb(manager);

    Padlink tool{&toolStyle};
    tool.dbg = true;
    openusb(tool, 0xAA00);
    EXPECT_NE(logText().find(" in openusb( aa00 ) \n"), std::string::npos);
}

TEST_F(Exchange, WrtpOfEachProgramClearsSendsAndReadsAsItsCopyDoes) {
    installLibrary();
    dev.reply.fill(0);
    std::memcpy(dev.reply.data(), " D", 2);
    dev.reply[10] = 4;

    const struct {
        const ExchangeStyle* style;
        std::vector<unsigned> pauses;
    } cases[] = {
        {&managerStyle, {800}},
        {&calibratorStyle, {800}},
        {&toolStyle, {800, 800}},
    };
    for (const auto& c : cases) {
        Padlink pl{c.style};
        ASSERT_EQ(openusb(pl, 0xA000), usbOpened);
        std::memset(cmdBuf, 0x77, sizeof cmdBuf);
        dev.written.clear();
        const std::size_t m = host.mark();
        wrtp(pl, "D1_rfwver");

        ASSERT_EQ(dev.written.size(), 1u);
        const auto& sent = dev.written[0];
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(sent.data())), "D1_rfwver");
        // The manager clears all 32 bytes; the tools clear the meaningful 17 only.
        const unsigned char tail = c.style == &managerStyle ? 0 : 0x77;
        EXPECT_EQ(sent[16], 0);
        EXPECT_EQ(sent[17], tail);
        EXPECT_EQ(sent[31], tail);
        std::array<unsigned char, 32> blanks;
        blanks.fill(0x20);
        EXPECT_EQ(dev.seenByRead, blanks);
        EXPECT_EQ(cmdBuf[10], 4);
        EXPECT_EQ(host.pauses(m), c.pauses);
        closeusb(pl);
    }
}

TEST_F(Exchange, WrtpWithoutBindingLeavesZerosOrInDebugModeLeavesTheBuffer) {
    std::memset(cmdBuf, 0x77, sizeof cmdBuf);
    Padlink tool{&toolStyle};
    wrtp(tool, "D1_readedge");
    EXPECT_EQ(cmdBuf[16], 0);
    EXPECT_EQ(cmdBuf[17], 0x77);

    std::memset(cmdBuf, 0x77, sizeof cmdBuf);
    Padlink calibrator{&calibratorStyle};
    wrtp(calibrator, "D1_rfwver");
    EXPECT_EQ(cmdBuf[0], 0x77);  // cleared only once bound

    std::memset(cmdBuf, 0x77, sizeof cmdBuf);
    Padlink manager{&managerStyle};
    manager.dbg = true;
    wrtp(manager, "D1_rfwver");
    EXPECT_EQ(cmdBuf[0], 0x77);
    manager.dbg = false;
    wrtp(manager, "D1_rfwver");
    EXPECT_EQ(cmdBuf[31], 0);
    EXPECT_TRUE(host.pauses().empty());
}

TEST_F(Exchange, WrtpDumpLinesShowTheSeventeenBytesInEachProgramsForm) {
    installLibrary();
    dev.reply.fill(0);
    std::memcpy(dev.reply.data(), " D", 2);
    dev.reply[9] = 0x05;
    dev.reply[10] = 0x80;
    openLogFile();

    Padlink manager{&managerStyle};
    openusb(manager, 0xA000);
    const std::size_t before = logText().size();
    wrtp(manager, "D1_readedge");
    char first[200];
    std::snprintf(first, sizeof first, " in wrtp( D1_readedge ), hm=%p, wfp=%p, rfp=%p \n",
                  reinterpret_cast<void*>(manager.hm), reinterpret_cast<void*>(&fakeWrite),
                  reinterpret_cast<void*>(&fakeRead));
    EXPECT_EQ(logText().substr(before),
              std::string(first) +
                  " D1_readedge=   ,20h D,44h 0h 0h 0h 0h 0h 0h 0h 5h ffffff80h 0h 0h 0h 0h 0h 0h\n");
    closeusb(manager);

    Padlink tool{&toolStyle};
    openusb(tool, 0xA000);
    const std::size_t mid = logText().size();
    wrtp(tool, "D1_readedge");
    EXPECT_EQ(logText().substr(mid),
              " in wrtp( D1_readedge ) \n"
              " D1_readedge=  20  44  0  0  0  0  0  0  0  5  80  0  0  0  0  0  0 \n");
    closeusb(tool);
}

TEST_F(Exchange, ComposedCommandCarriesValuesRightAfterTheName) {
    std::memset(cmdBuf, 0x77, sizeof cmdBuf);
    composeCommand("D1_buzopt", {1, 0x11E, 12, 0xA8, 85});
    const unsigned char expected[17] = {'D', '1', '_', 'b', 'u', 'z', 'o', 'p', 't',
                                        1,   0x1E, 12, 0xA8, 85, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(cmdBuf, expected, sizeof expected));
    EXPECT_EQ(cmdBuf[17], 0x77);

    composeCommand("D1_bucvdi", {0xB1, 0x04, 0x00}, 32);
    EXPECT_EQ(cmdBuf[31], 0);
}

TEST_F(Exchange, LogIsUsedOnlyWhenItsFileExists) {
    EXPECT_FALSE(openLog("\\test.log", "a+"));
    EXPECT_FALSE(host.fileExists("\\test.log"));

    host.writeFile("\\test.log", "earlier run\n");
    ASSERT_TRUE(openLog("\\test.log", "a+"));
    logHeader("950116,101.8.3");
    closeLog();
    EXPECT_EQ(host.readFile("\\test.log"),
              "earlier run\n ------ 950116,101.8.3 ------ " + host.ctimeText(host.now()) + "\n\n");

    ASSERT_TRUE(openLog("\\test.log", "w"));
    closeLog();
    EXPECT_EQ(host.readFile("\\test.log"), "\n\n");
}

}  // namespace
