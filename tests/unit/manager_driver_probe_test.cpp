#include "common/debug_log.h"
#include "manager/driver_probe.h"
#include "platform/testing/fake_host.h"

#include <gtest/gtest.h>

#include <string>

namespace touchman {

namespace {

using platform::RegRoot;

const char* const hidusbEnum = "SYSTEM\\CurrentControlSet\\Services\\hidusb\\Enum";
const char* const params = "SYSTEM\\CurrentControlSet\\Services\\padfilt2\\Parameters";

class DriverProbe : public ::testing::Test {
protected:
    // One enumerated instance of pid, its USB key and its HID child key.
    void enumerate(const std::string& valueName, const std::string& pidDigits,
                   const std::string& instance, const std::string& prefix,
                   const std::string& deviceDesc, bool upperFilters = true) {
        const std::string usbPath = "USB\\VID_7B94&PID_" + pidDigits + "\\" + instance;
        host.setRegString(RegRoot::LocalMachine, hidusbEnum, valueName, usbPath);
        const std::string usbKey = "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_7B94&PID_" +
                                   pidDigits + "\\" + instance;
        host.setRegString(RegRoot::LocalMachine, usbKey, "ParentIdPrefix", prefix);
        const std::string hidKey = "SYSTEM\\CurrentControlSet\\Enum\\HID\\Vid_7b94&Pid_" +
                                   pidDigits + "\\" + prefix + "&0000";
        host.addRegKey(RegRoot::LocalMachine, hidKey);
        if (upperFilters)
            host.setRegString(RegRoot::LocalMachine, hidKey, "UpperFilters", "padfilt2",
                              platform::RegType::MultiString);
        if (!deviceDesc.empty())
            host.setRegString(RegRoot::LocalMachine, hidKey, "DeviceDesc", deviceDesc);
    }

    void SetUp() override {
        host.writeFile("\\touchman.log", "");
        openLog("\\touchman.log", "a+");
    }
    void TearDown() override { closeLog(); }
    std::string log() {
        logFlush();
        return host.readFile("\\touchman.log");
    }

    platform::FakeHost host;
};

TEST_F(DriverProbe, ChkdrvResults) {
    EXPECT_EQ(chkdrv(0xA000), 1) << "enumeration key missing";

    host.setRegInt(RegRoot::LocalMachine, hidusbEnum, "Count", 2);
    enumerate("0", "A000", "6&1A2B&0&1", "7&2b&0", "Tormalin USB Touch");
    EXPECT_EQ(chkdrv(0xA000), 0) << "driver present";
    EXPECT_EQ(chkdrv(0xA200), 0) << "never enumerated";

    enumerate("1", "A000", "6&1A2B&0&2", "7&2c&0", "");
    EXPECT_EQ(chkdrv(0xA000), 2) << "second instance without driver";
}

TEST_F(DriverProbe, NoTchDrvTellsWhichPartIsMissing) {
    const std::string usb = "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_7B94&PID_A200\\5&1";
    const std::string hid = "SYSTEM\\CurrentControlSet\\Enum\\HID\\Vid_7b94&Pid_a200";
    const std::string child = hid + "\\8&aa&0&0000";

    EXPECT_EQ(noTchDrv(usb, hid), drvNoUsbKey);
    host.addRegKey(RegRoot::LocalMachine, usb);
    EXPECT_EQ(noTchDrv(usb, hid), drvNoParentIdPrefix);
    host.setRegString(RegRoot::LocalMachine, usb, "ParentIdPrefix", "8&aa&0");
    EXPECT_EQ(noTchDrv(usb, hid), drvNoHidKey);
    host.addRegKey(RegRoot::LocalMachine, child);
    EXPECT_EQ(noTchDrv(usb, hid), drvNoUpperFilters);
    host.setRegString(RegRoot::LocalMachine, child, "UpperFilters", "padfilt2");
    EXPECT_EQ(noTchDrv(usb, hid), drvNoDeviceDesc);
    host.setRegString(RegRoot::LocalMachine, child, "DeviceDesc", "tormalin touch");
    EXPECT_EQ(noTchDrv(usb, hid), drvNotOurDevice);
    host.setRegString(RegRoot::LocalMachine, child, "DeviceDesc", "Tormalin touch");
    EXPECT_EQ(noTchDrv(usb, hid), drvPresent);
}

TEST_F(DriverProbe, GetregReadsIntegersOfTheParameterKeyOnly) {
    host.writeFile("\\touchman.log", "");
    ASSERT_TRUE(openLog("\\touchman.log", "a+"));
    EXPECT_EQ(getreg("SwapTch"), 0);
    closeLog();
    EXPECT_NE(host.readFile("\\touchman.log")
                  .find(" error in getreg(SwapTch) \n out getreg(SwapTch)=0 \n"),
              std::string::npos);
    host.setRegInt(RegRoot::LocalMachine, params, "SwapTch", 1);
    host.setRegString(RegRoot::LocalMachine, params, "MirrorTch", "1");
    EXPECT_EQ(getreg("SwapTch"), 1);
    EXPECT_EQ(getreg("MirrorTch"), 0);
}

TEST_F(DriverProbe, TextValuesRoundTripAndFailuresBeep) {
    const std::string key = "Control Panel\\Cursors";
    std::string out = "stale";
    EXPECT_EQ(qryRegKeySz(RegRoot::CurrentUser, key, "Arrow", out), 1);
    EXPECT_EQ(out, "");

    setRegKeySz(RegRoot::CurrentUser, key, "Arrow", "C:\\TOUCH\\null.cur");
    EXPECT_EQ(qryRegKeySz(RegRoot::CurrentUser, key, "Arrow", out), 0);
    EXPECT_EQ(out, "C:\\TOUCH\\null.cur");
    EXPECT_EQ(qryRegKeySz(RegRoot::CurrentUser, key, "Hand", out), 2);
    EXPECT_EQ(out, "");

    rmRegKeySz(RegRoot::CurrentUser, key, "Arrow");
    EXPECT_EQ(qryRegKeySz(RegRoot::CurrentUser, key, "Arrow", out), 2);
    const std::size_t m = host.mark();
    rmRegKeySz(RegRoot::CurrentUser, key, "Arrow");
    rmRegKeySz(RegRoot::CurrentUser, "Control Panel\\Missing", "Arrow");
    host.refuseRegistryWrites();
    setRegKeySz(RegRoot::CurrentUser, key, "Arrow", "x");
    EXPECT_EQ(host.beeps(m), (std::vector<platform::BeepCall>{{500, 500}, {500, 500}, {500, 500}}));
}

TEST_F(DriverProbe, TextValuesAreReadIntoOneHundredTwentyEightBytes) {
    const std::string key = "Control Panel\\Cursors";
    const std::string fits(127, 'a'), tooLong(128, 'b');
    host.setRegString(RegRoot::CurrentUser, key, "Fits", fits);
    host.setRegString(RegRoot::CurrentUser, key, "TooLong", tooLong);
    std::string out;
    EXPECT_EQ(qryRegKeySz(RegRoot::CurrentUser, key, "Fits", out), 0);
    EXPECT_EQ(out, fits);
    EXPECT_EQ(qryRegKeySz(RegRoot::CurrentUser, key, "TooLong", out), 2);
    EXPECT_EQ(out, "");
    // The log carries the calls' own results: 0 opened, 234 more data, 2 not found.
    EXPECT_NE(log().find(" qryRegKeySz=234, Control Panel\\Cursors, TooLong, , len=0, lerr=0 \n"),
              std::string::npos);
    qryRegKeySz(RegRoot::CurrentUser, key, "Missing", out);
    EXPECT_NE(log().find(" qryRegKeySz=2, Control Panel\\Cursors, Missing, , len=0, lerr=2 \n"),
              std::string::npos);
    qryRegKeySz(RegRoot::CurrentUser, "Control Panel\\Missing", "Arrow", out);
    EXPECT_NE(log().find(" regOpenKey=2, Control Panel\\Missing, hk="), std::string::npos);
}

TEST_F(DriverProbe, WritesAndDeletionsAreFlushedBeforeTheKeyCloses) {
    const std::string key = "Control Panel\\Cursors";
    const std::size_t m = host.mark();
    setRegKeySz(RegRoot::CurrentUser, key, "Arrow", "C:\\TOUCH\\null.cur");
    rmRegKeySz(RegRoot::CurrentUser, key, "Arrow");
    std::vector<std::string> registry;
    for (const std::string& e : host.events(m))
        if (e.rfind("reg ", 0) == 0)
            registry.push_back(e);
    EXPECT_EQ(registry, (std::vector<std::string>{
                            "reg create HKCU\\Control Panel\\Cursors",
                            "reg set HKCU\\Control Panel\\Cursors\\Arrow 'C:\\TOUCH\\null.cur'",
                            "reg flush HKCU\\Control Panel\\Cursors",
                            "reg delete HKCU\\Control Panel\\Cursors\\Arrow",
                            "reg flush HKCU\\Control Panel\\Cursors",
                        }));
}

}  // namespace

}  // namespace touchman
