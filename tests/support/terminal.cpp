#include "tests/support/terminal.h"

#include <cstdio>
#include <cstring>

namespace support {

namespace {

std::string writePrefix(int pid) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "WriteTP %x ", pid);
    return prefix;
}

}  // namespace

sim::Bank bankOf(std::initializer_list<int> pids) {
    sim::Bank bank;
    for (int pid : pids)
        bank.push_back(sim::defaultController(pid));
    return bank;
}

std::string block(int pid, const char* name, const std::vector<int>& values) {
    unsigned char bytes[17] = {};
    std::memcpy(bytes, name, std::strlen(name));
    std::size_t at = std::strlen(name);
    for (int v : values)
        bytes[at++] = static_cast<unsigned char>(v);
    std::string line = writePrefix(pid);
    for (unsigned char b : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", b);
        line += hex;
    }
    return line;
}

void Terminal::plugIn(sim::Bank bank) {
    padlink.emplace(std::move(bank));
    host.addLibrary("padlink.dll", padlink->entries());
}

void Terminal::twoMonitors() {
    host.setMonitors({platform::Monitor{0, 0, 1024, 768, true, 1},
                      platform::Monitor{1024, 0, 800, 600, false, 2}});
}

std::vector<std::string> Terminal::written(int pid) const {
    return padlink ? padlink->journalLines(writePrefix(pid)) : std::vector<std::string>{};
}

std::vector<std::string> Terminal::commands(int pid) const {
    static const char* const known[] = {
        "D1_rfwver",  "D1_rdssmst",   "D1_readedge", "D1_readcav", "D1_allmodeopt",
        "D1_modeopt", "D1_mbmodeopt", "D1_buzopt",   "D1_setedge", "D1_setca",
        "D1_stssm",   "D1_bucvdi",    "D1_calibrst", "D1_swcancel"};
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

std::string Terminal::sent(int pid, const std::string& command) const {
    const std::vector<std::string> lines = written(pid);
    const std::vector<std::string> names = commands(pid);
    for (std::size_t i = names.size(); i-- > 0;)
        if (names[i] == command)
            return lines[i];
    return {};
}

}  // namespace support
