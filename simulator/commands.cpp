#include "simulator/commands.h"

#include <cstring>

namespace sim {
namespace {

// A query only answers; a set command stores its values; a control command comes as a
// blank-padded text like a query but changes the state.
enum class Kind { query, set, control };

struct Known {
    const char* name;
    Kind kind;
    void (*run)(Controller& c, const Command& cmd, Reply& r);
};

void rfwver(Controller& c, const Command&, Reply& r) {
    if (c.faults.badVersion) {
        r.fill(0);
        return;
    }
    for (int i = 0; i < 3; ++i) r[10 + i] = c.version[i];
}

void rdssmst(Controller& c, const Command&, Reply& r) {
    r[9] = c.suspend;
    r[12] = c.startup;
}

void readedge(Controller& c, const Command&, Reply& r) {
    r[9] = c.edgeMask;
    for (int i = 0; i < edgeCount; ++i) r[10 + i] = c.margins[i];
}

void allmodeopt(Controller& c, const Command&, Reply& r) {
    for (int i = 0; i < settingCount; ++i) r[8 + i] = c.settings[i];
}

void readcav(Controller& c, const Command&, Reply& r) {
    for (int i = 0; i < edgeCount; ++i) r[9 + i] = c.comp[i];
}

void modeopt(Controller& c, const Command& cmd, Reply&) {
    c.settings[enable] = cmd[10];
    c.settings[dots] = cmd[11];
    c.settings[modeAux1] = cmd[12];
    c.settings[modeAux2] = cmd[13];
}

void mbmodeopt(Controller& c, const Command& cmd, Reply&) { c.settings[mbMode] = cmd[12]; }

// Bytes 9 to 11 always carry the beep settings; byte 12 may add one operation.
void buzopt(Controller& c, const Command& cmd, Reply&) {
    c.settings[buzr] = cmd[9];
    c.settings[freq] = cmd[10];
    c.settings[dura] = cmd[11];
    switch (cmd[12]) {
        case 0xA8:
            c.beep = {{cmd[13], cmd[14]}};
            break;
        case 0xA5:
            c.swap = cmd[13];
            break;
        case 0xA1:
            c.mirror = cmd[13];
            break;
        default:
            break;
    }
}

void setedge(Controller& c, const Command& cmd, Reply&) {
    c.edgeMask = cmd[10];
    for (int i = 0; i < edgeCount; ++i) c.margins[i] = cmd[11 + i];
}

void setca(Controller& c, const Command& cmd, Reply&) {
    for (int i = 0; i < edgeCount; ++i) c.comp[i] = cmd[8 + i];
}

void stssm(Controller& c, const Command& cmd, Reply&) {
    c.suspend = cmd[8];
    c.startup = cmd[11];
}

void bucvdi(Controller& c, const Command& cmd, Reply&) {
    const int op = cmd[9];
    if (op < 0xB1 || op >= 0xB1 + layoutCount) return;
    c.layout[op - 0xB1] = static_cast<std::uint16_t>(cmd[10] << 8 | cmd[11]);
}

void calibrst(Controller& c, const Command&, Reply& r) {
    c.calibrating = !c.faults.refuseCalibration;
    r[12] = c.calibrating ? 'o' : 'n';
    r[13] = c.calibrating ? 'k' : 'g';
}

void swcancel(Controller& c, const Command&, Reply&) { c.calibrating = false; }

const Known known[] = {
    {"D1_rfwver", Kind::query, rfwver},     {"D1_rdssmst", Kind::query, rdssmst},
    {"D1_readedge", Kind::query, readedge}, {"D1_allmodeopt", Kind::query, allmodeopt},
    {"D1_readcav", Kind::query, readcav},   {"D1_modeopt", Kind::set, modeopt},
    {"D1_mbmodeopt", Kind::set, mbmodeopt}, {"D1_buzopt", Kind::set, buzopt},
    {"D1_setedge", Kind::set, setedge},     {"D1_setca", Kind::set, setca},
    {"D1_stssm", Kind::set, stssm},         {"D1_bucvdi", Kind::set, bucvdi},
    {"D1_calibrst", Kind::control, calibrst}, {"D1_swcancel", Kind::control, swcancel},
};

// A set command's values follow the name directly, whatever they are; any other
// command is its name ended by a zero or a blank.
bool matches(const Known& k, const Command& cmd) {
    const std::size_t n = std::strlen(k.name);
    if (std::memcmp(cmd.data(), k.name, n) != 0) return false;
    return k.kind == Kind::set || cmd[n] == 0 || cmd[n] == ' ';
}

}  // namespace

Command commandFrom(const unsigned char* block) {
    Command cmd;
    std::memcpy(cmd.data(), block, cmd.size());
    return cmd;
}

Reply plainReply() {
    Reply r{};
    r[0] = ' ';
    r[1] = 'D';
    return r;
}

Outcome execute(Controller& c, const Command& cmd) {
    Outcome out{plainReply(), false};
    for (const auto& k : known) {
        if (!matches(k, cmd)) continue;
        k.run(c, cmd, out.reply);
        out.stateSet = k.kind != Kind::query;
        break;
    }
    return out;
}

}  // namespace sim
