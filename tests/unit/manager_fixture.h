#pragma once
// The manager's main window under the fake host, with virtual controllers behind an
// in-process padlink.dll.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/cmdbuf.h"
#include "common/debug_log.h"
#include "manager/flags.h"
#include "manager/main_form.h"
#include "manager/settings_model.h"
#include "tests/support/terminal.h"

namespace touchman {

using support::bankOf;
using support::block;

class ManagerWindow : public ::testing::Test, public support::Terminal {
protected:
    void SetUp() override {
        dbg_f = date_f = nodrv2_f = 0;
        std::memset(cmdBuf, 0, sizeof cmdBuf);  // as a fresh process has it
        // The USB HID enumeration exists but lists nothing: no driver is missing.
        host.addRegKey(platform::RegRoot::LocalMachine,
                       "SYSTEM\\CurrentControlSet\\Services\\hidusb\\Enum");
        // Every user has a cursor scheme, with or without an arrow of their own.
        host.addRegKey(platform::RegRoot::CurrentUser, "Control Panel\\Cursors");
        host.writeFile("\\touchman.log", "");
        openLog("\\touchman.log", "a+");
    }
    void TearDown() override { closeLog(); }

    void swapTouches() {
        host.setRegInt(platform::RegRoot::LocalMachine,
                       "SYSTEM\\CurrentControlSet\\Services\\padfilt2\\Parameters", "SwapTch", 1);
    }
    TForm1& open() {
        form = std::make_unique<TForm1>();
        return *form;
    }

    // The log so far.
    std::string log() {
        logFlush();
        return host.readFile("\\touchman.log");
    }

    std::unique_ptr<TForm1> form;
};

}  // namespace touchman
