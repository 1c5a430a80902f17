#pragma once
// The controllers' product identifiers: two families of two models each. A program tries
// the first member of a family, then the second.
#include <array>

constexpr std::array<long, 2> primaryFamily{{0xA000, 0xA800}};    // the main display
constexpr std::array<long, 2> secondaryFamily{{0xA200, 0xAA00}};  // the second display

inline bool isSecondary(long pid) { return pid == secondaryFamily[0] || pid == secondaryFamily[1]; }

// The second model of each family offers no beep operation and no Touch_to_Calibrate.
inline bool isPlainModel(long pid) { return pid == primaryFamily[1] || pid == secondaryFamily[1]; }
