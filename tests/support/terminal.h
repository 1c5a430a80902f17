#pragma once
// A terminal for one native test: the fake host, and virtual controllers behind an
// in-process padlink.dll, with readers of what the controllers were sent.
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "platform/testing/fake_host.h"
#include "simulator/fake_padlink.h"

namespace support {

// Controllers with their factory state, one per product identifier.
sim::Bank bankOf(std::initializer_list<int> pids);

// The journal line of a command block written to pid: the name, then the values, in the
// 17 meaningful bytes. Tests keep the values literal.
std::string block(int pid, const char* name, const std::vector<int>& values);

struct Terminal {
    // Puts the controllers behind "padlink.dll".
    void plugIn(sim::Bank bank);
    // A 1024 x 768 primary monitor with an 800 x 600 one to its right.
    void twoMonitors();

    // Every block written to pid since the journal was cleared.
    std::vector<std::string> written(int pid) const;
    // The names of the commands written to pid, in order.
    std::vector<std::string> commands(int pid) const;
    // The last block of that command written to pid, "" when there is none.
    std::string sent(int pid, const std::string& command) const;

    platform::FakeHost host;
    std::optional<sim::FakePadlink> padlink;
};

}  // namespace support
