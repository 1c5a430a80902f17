#include "simulator/session.h"

#include <cstdio>
#include <cstring>

namespace sim {
namespace {

std::string pidText(int pid) {
    if (pid == 0) return "none";
    char text[16];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(pid));
    return text;
}

std::string hexBytes(const std::uint8_t* bytes, std::size_t n) {
    std::string s;
    char two[3];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(two, sizeof two, "%02x", bytes[i]);
        s += two;
    }
    return s;
}

}  // namespace

Session::Session(Store& store, Journal& journal)
    : store_(store), journal_(journal), reply_(plainReply()) {}

int Session::setId(int first, int pid, int third) {
    idSet_ = true;
    selected_ = pid;
    journal_.append("SetID " + std::to_string(first) + " " + pidText(pid) + " " +
                    std::to_string(third));
    return 0;
}

int Session::open() {
    Bank bank = store_.load();
    int pid = selected_;
    if (!idSet_) {
        const Controller* target = defaultOpenTarget(bank);
        pid = target ? target->pid : 0;
    }
    const Controller* c = pid ? findController(bank, pid) : nullptr;
    int result = opened;
    if (!c || c->faults.absent)
        result = noController;
    else if (c->faults.refuseOpen)
        result = openRefused;
    open_ = result == opened ? pid : 0;
    reply_ = plainReply();
    journal_.append("OpenPadlink " + pidText(pid) + " -> " + std::to_string(result));
    return result;
}

int Session::close() {
    open_ = 0;
    journal_.append("ClosePadlink");
    return 0;
}

int Session::write(const unsigned char* block) {
    const Command cmd = commandFrom(block);
    journal_.append("WriteTP " + pidText(open_) + " " + hexBytes(cmd.data(), cmd.size()));
    if (open_ == 0) return 1;
    // Another program may have changed the controller since the open.
    Bank bank = store_.load();
    Controller* c = findController(bank, open_);
    if (!c || c->faults.absent) {
        reply_ = plainReply();
        return 1;
    }
    const Outcome out = execute(*c, cmd);
    reply_ = out.reply;
    if (out.stateSet) store_.save(bank);
    return 0;
}

int Session::read(unsigned char* block) {
    if (open_ == 0) {
        journal_.append("ReadTP none");
        return 1;
    }
    std::memcpy(block, reply_.data(), reply_.size());
    journal_.append("ReadTP " + pidText(open_) + " " + hexBytes(reply_.data(), reply_.size()));
    return 0;
}

}  // namespace sim
