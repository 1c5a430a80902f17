#include "simulator/state_file.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace sim {
namespace {

const char* const header = "# padlink simulator state: one controller per line\n";

struct FaultName {
    const char* name;
    bool Faults::*flag;
};
const FaultName faultNames[] = {
    {"absent", &Faults::absent},
    {"refuse-open", &Faults::refuseOpen},
    {"bad-version", &Faults::badVersion},
    {"refuse-calibration", &Faults::refuseCalibration},
};

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, sep)) parts.push_back(part);
    if (!text.empty() && text.back() == sep) parts.emplace_back();
    return parts;
}

bool parseNumber(const std::string& text, int base, unsigned long max, unsigned long& value) {
    if (text.empty() || text.size() > 8) return false;
    unsigned long v = 0;
    for (char ch : text) {
        int digit;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (base == 16 && ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else if (base == 16 && ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        else
            return false;
        v = v * base + digit;
    }
    if (v > max) return false;
    value = v;
    return true;
}

template <typename T, std::size_t N>
bool parseList(const std::string& text, unsigned long max, std::array<T, N>& out) {
    const auto parts = split(text, ',');
    if (parts.size() != N) return false;
    std::array<T, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        unsigned long v;
        if (!parseNumber(parts[i], 10, max, v)) return false;
        values[i] = static_cast<T>(v);
    }
    out = values;
    return true;
}

template <typename T>
bool parseValue(const std::string& text, unsigned long max, T& out) {
    unsigned long v;
    if (!parseNumber(text, 10, max, v)) return false;
    out = static_cast<T>(v);
    return true;
}

bool parsePid(std::string text, int& pid) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.erase(0, 2);
    unsigned long v;
    if (!parseNumber(text, 16, 0xFFFF, v) || v == 0) return false;
    pid = static_cast<int>(v);
    return true;
}

bool parseFaults(const std::string& text, Faults& out) {
    Faults f;
    if (text != "none") {
        for (const auto& name : split(text, ',')) {
            bool found = false;
            for (const auto& fn : faultNames) {
                if (name == fn.name) {
                    f.*fn.flag = true;
                    found = true;
                }
            }
            if (!found) return false;
        }
    }
    out = f;
    return true;
}

// A field that does not parse leaves the controller's default in place.
void parseField(Controller& c, const std::string& key, const std::string& value) {
    if (key == "version")
        parseList(value, 9, c.version);
    else if (key == "settings")
        parseList(value, 255, c.settings);
    else if (key == "suspend")
        parseValue(value, 255, c.suspend);
    else if (key == "startup")
        parseValue(value, 255, c.startup);
    else if (key == "edge")
        parseValue(value, 255, c.edgeMask);
    else if (key == "margins")
        parseList(value, 255, c.margins);
    else if (key == "comp")
        parseList(value, 255, c.comp);
    else if (key == "beep")
        parseList(value, 255, c.beep);
    else if (key == "swap")
        parseValue(value, 255, c.swap);
    else if (key == "mirror")
        parseValue(value, 255, c.mirror);
    else if (key == "layout")
        parseList(value, 0xFFFF, c.layout);
    else if (key == "calibrating")
        parseValue(value, 1, c.calibrating);
    else if (key == "faults")
        parseFaults(value, c.faults);
}

std::vector<std::pair<std::string, std::string>> fieldsOf(const std::string& line) {
    std::vector<std::pair<std::string, std::string>> fields;
    std::istringstream in(line);
    std::string word;
    while (in >> word) {
        const auto eq = word.find('=');
        if (eq == std::string::npos) continue;
        fields.emplace_back(word.substr(0, eq), word.substr(eq + 1));
    }
    return fields;
}

bool parseLine(const std::string& line, Controller& c) {
    const auto fields = fieldsOf(line);
    int pid = 0;
    for (const auto& f : fields)
        if (f.first == "pid" && parsePid(f.second, pid)) break;
    if (pid == 0) return false;
    c = defaultController(pid);
    for (const auto& f : fields) parseField(c, f.first, f.second);
    return true;
}

template <typename T, std::size_t N>
std::string joined(const std::array<T, N>& values) {
    std::string s;
    for (std::size_t i = 0; i < N; ++i) {
        if (i) s += ',';
        s += std::to_string(values[i]);
    }
    return s;
}

std::string faultText(const Faults& f) {
    std::string s;
    for (const auto& fn : faultNames) {
        if (!(f.*fn.flag)) continue;
        if (!s.empty()) s += ',';
        s += fn.name;
    }
    return s.empty() ? "none" : s;
}

std::string hex(int pid) {
    std::ostringstream out;
    out << std::hex << pid;
    return out.str();
}

}  // namespace

std::string formatBank(const Bank& bank) {
    std::string text = header;
    for (const auto& c : bank) {
        text += "pid=" + hex(c.pid) + " version=" + joined(c.version) +
                " settings=" + joined(c.settings) + " suspend=" + std::to_string(c.suspend) +
                " startup=" + std::to_string(c.startup) +
                " edge=" + std::to_string(c.edgeMask) + " margins=" + joined(c.margins) +
                " comp=" + joined(c.comp) + " beep=" + joined(c.beep) +
                " swap=" + std::to_string(c.swap) + " mirror=" + std::to_string(c.mirror) +
                " layout=" + joined(c.layout) +
                " calibrating=" + std::to_string(c.calibrating ? 1 : 0) +
                " faults=" + faultText(c.faults) + "\n";
    }
    return text;
}

Bank parseBank(const std::string& text) {
    Bank bank;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        Controller c;
        if (parseLine(line, c) && !findController(bank, c.pid)) bank.push_back(c);
    }
    return bank.empty() ? defaultBank() : bank;
}

Bank loadBankFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return defaultBank();
    std::ostringstream text;
    text << in.rdbuf();
    return parseBank(text.str());
}

bool saveBankFile(const std::string& path, const Bank& bank) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << formatBank(bank);
    return static_cast<bool>(out);
}

}  // namespace sim
