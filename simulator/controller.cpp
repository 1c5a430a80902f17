#include "simulator/controller.h"

namespace sim {

bool Faults::operator==(const Faults& o) const {
    return absent == o.absent && refuseOpen == o.refuseOpen && badVersion == o.badVersion &&
           refuseCalibration == o.refuseCalibration;
}

bool Controller::operator==(const Controller& o) const {
    return pid == o.pid && version == o.version && settings == o.settings &&
           suspend == o.suspend && startup == o.startup && edgeMask == o.edgeMask &&
           margins == o.margins && comp == o.comp && beep == o.beep && swap == o.swap &&
           mirror == o.mirror && layout == o.layout && calibrating == o.calibrating &&
           faults == o.faults;
}

Controller defaultController(int pid) {
    Controller c;
    c.pid = pid;
    return c;
}

Bank defaultBank() { return {defaultController(0xA000), defaultController(0xA200)}; }

Controller* findController(Bank& bank, int pid) {
    for (auto& c : bank)
        if (c.pid == pid) return &c;
    return nullptr;
}

const Controller* defaultOpenTarget(const Bank& bank) {
    for (const auto& c : bank)
        if (!c.faults.absent) return &c;
    return nullptr;
}

}  // namespace sim
