#pragma once
// Which monitor the calibration runs on.
#include <vector>

#include "platform/host.h"

namespace touchcal {

// The start's walk of the monitor list: with fewer than two monitors index 0; otherwise the
// first non-primary monitor when `second` is 1, else the first primary one. When none
// qualifies, the primary monitor (index 0 without one).
int chooseMonitor(const std::vector<platform::Monitor>& monitors, int second);

// The monitor at `index`; the primary one (or the first) when there is none at that index,
// as in debug mode without the library, where the index is still the "-2" flag.
platform::Monitor monitorAt(const std::vector<platform::Monitor>& monitors, int index);

}  // namespace touchcal
