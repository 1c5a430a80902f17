#pragma once
// One controller's eight firmware settings, in the order of the "D1_allmodeopt" reply
// bytes 8 to 15; the defaults are the factory values.
#include <cstdint>

namespace touchman {

struct TouchSettings {
    std::int32_t enable = 1;  // bit 0 touch enabled, bit 1 touch as right button click
    std::int32_t dots = 32;   // double-click area
    std::int32_t modeAux1 = 50;
    std::int32_t mbMode = 1;  // 1 Mouse Emulation, 2 Click on Touch, 4 Click on Release
    std::int32_t buzr = 1;    // touch beep on or off
    std::int32_t freq = 20;   // beep frequency step
    std::int32_t dura = 50;   // beep duration
    std::int32_t modeAux2 = 0;
};

// The eight settings from reply bytes 8 to 15, each taken unsigned.
inline TouchSettings touchSettingsFrom(const unsigned char* reply) {
    TouchSettings t;
    t.enable = reply[8];
    t.dots = reply[9];
    t.modeAux1 = reply[10];
    t.mbMode = reply[11];
    t.buzr = reply[12];
    t.freq = reply[13];
    t.dura = reply[14];
    t.modeAux2 = reply[15];
    return t;
}

}  // namespace touchman
