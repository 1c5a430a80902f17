#pragma once
// The screen: the system's monitor list, in the system's order, and its text scaling.
#include <vector>

#include "platform/host.h"

namespace ui {

class Screen {
public:
    std::vector<platform::Monitor> monitors() const;
    int monitorCount() const { return static_cast<int>(monitors().size()); }
    // Logical pixels per inch of the screen (96 without scaling).
    int pixelsPerInch() const;
};

Screen& screen();

}  // namespace ui
