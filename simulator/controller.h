#pragma once
// The firmware state of one virtual touch controller. Values are the bytes the
// controller exchanges; defaults are the factory values the kit restores.
#include <array>
#include <cstdint>
#include <vector>

namespace sim {

struct Faults {
    bool absent = false;             // not plugged in: cannot be opened, never the default
    bool refuseOpen = false;         // present, but OpenPadlink fails
    bool badVersion = false;         // "D1_rfwver" gets a reply that does not begin " D"
    bool refuseCalibration = false;  // "D1_calibrst" is answered without the 'k'
    bool operator==(const Faults& o) const;
};

// Index of each touch setting, in the order of the "D1_allmodeopt" reply bytes 8 to 15.
enum Setting { enable, dots, modeAux1, mbMode, buzr, freq, dura, modeAux2, settingCount };

// Edge order of margins and compensations as the edge commands carry them.
enum Edge { top, bottom, left, right, edgeCount };

// Monitor layout values of "D1_bucvdi", by operation code 0xB1 to 0xB6.
constexpr int layoutCount = 6;

struct Controller {
    int pid = 0;
    std::array<std::uint8_t, 3> version{{4, 0, 0}};
    std::array<std::uint8_t, settingCount> settings{{1, 32, 50, 1, 1, 20, 50, 0}};
    std::uint8_t suspend = 0;
    std::uint8_t startup = 5;  // minutes
    std::uint8_t edgeMask = 0;
    std::array<std::uint8_t, edgeCount> margins{{50, 50, 50, 50}};
    std::array<std::uint8_t, edgeCount> comp{{50, 50, 50, 50}};
    std::array<std::uint8_t, 2> beep{{170, 50}};  // values of the beep operation 0xA8
    std::uint8_t swap = 0;
    std::uint8_t mirror = 0;
    std::array<std::uint16_t, layoutCount> layout{};
    bool calibrating = false;
    Faults faults;
    bool operator==(const Controller& o) const;
};

// The controllers the library can reach, in the order it looks for its default one.
using Bank = std::vector<Controller>;

Controller defaultController(int pid);

// Used when no state says otherwise: a dual-touch terminal.
Bank defaultBank();

// nullptr when the bank has no controller with that identifier.
Controller* findController(Bank& bank, int pid);

// The controller OpenPadlink takes when SetID was never called: the first one present.
const Controller* defaultOpenTarget(const Bank& bank);

}  // namespace sim
