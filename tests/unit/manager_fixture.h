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
#include "platform/testing/fake_host.h"
#include "simulator/fake_padlink.h"

namespace touchman {

class ManagerWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        dbg_f = date_f = nodrv2_f = 0;
        std::memset(cmdBuf, 0, sizeof cmdBuf);  // as a fresh process has it
        // The USB HID enumeration exists but lists nothing: no driver is missing.
        host.addRegKey(platform::RegRoot::LocalMachine,
                       "SYSTEM\\CurrentControlSet\\Services\\hidusb\\Enum");
        host.writeFile("\\touchman.log", "");
        openLog("\\touchman.log", "a+");
    }
    void TearDown() override { closeLog(); }

    static sim::Bank bankOf(std::initializer_list<int> pids)
    {
        sim::Bank bank;
        for (int pid : pids)
            bank.push_back(sim::defaultController(pid));
        return bank;
    }
    void plugIn(sim::Bank bank)
    {
        padlink.emplace(std::move(bank));
        host.addLibrary("padlink.dll", padlink->entries());
    }
    void twoMonitors()
    {
        host.setMonitors({platform::Monitor{0, 0, 1024, 768, true, 1},
                          platform::Monitor{1024, 0, 800, 600, false, 2}});
    }
    void swapTouches()
    {
        host.setRegInt(platform::RegRoot::LocalMachine,
                       "SYSTEM\\CurrentControlSet\\Services\\padfilt2\\Parameters", "SwapTch", 1);
    }
    TForm1& open()
    {
        form = std::make_unique<TForm1>();
        return *form;
    }

    // The log so far.
    std::string log()
    {
        logFlush();
        return host.readFile("\\touchman.log");
    }

    // The journal line of a command block written to pid: the name, then the values.
    static std::string block(int pid, const char* name, const std::vector<int>& values)
    {
        unsigned char bytes[17] = {};
        std::memcpy(bytes, name, std::strlen(name));
        std::size_t at = std::strlen(name);
        for (int v : values)
            bytes[at++] = static_cast<unsigned char>(v);
        char line[64];
        int n = std::snprintf(line, sizeof line, "WriteTP %x ", pid);
        for (unsigned char b : bytes)
            n += std::snprintf(line + n, sizeof line - n, "%02x", b);
        return line;
    }
    // Every block written to pid since the journal was cleared.
    std::vector<std::string> written(int pid)
    {
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "WriteTP %x ", pid);
        return padlink->journalLines(prefix);
    }
    // The names of the commands written to pid, in order.
    std::vector<std::string> commands(int pid)
    {
        static const char* const known[] = {
            "D1_rfwver", "D1_rdssmst", "D1_readedge", "D1_readcav", "D1_allmodeopt",
            "D1_modeopt", "D1_mbmodeopt", "D1_buzopt", "D1_setedge", "D1_setca", "D1_stssm"};
        std::vector<std::string> names;
        for (const std::string& line : written(pid)) {
            const std::string hex = line.substr(line.rfind(' ') + 1);
            std::string bytes;
            for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
                bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
            std::string name = "?";
            for (const char* k : known)
                if (bytes.rfind(k, 0) == 0 && std::strlen(k) >= name.size())
                    name = k;
            names.push_back(name);
        }
        return names;
    }

    // The last block of that command written to pid, "" when there is none.
    std::string sent(int pid, const std::string& command)
    {
        const std::vector<std::string> lines = written(pid);
        const std::vector<std::string> names = commands(pid);
        for (std::size_t i = names.size(); i-- > 0;)
            if (names[i] == command)
                return lines[i];
        return {};
    }

    platform::FakeHost host;
    std::optional<sim::FakePadlink> padlink;
    std::unique_ptr<TForm1> form;
};

}  // namespace touchman
