#include "calibrator/monitor_choice.h"

namespace touchcal {

namespace {

int primaryIndex(const std::vector<platform::Monitor>& monitors) {
    for (std::size_t i = 0; i < monitors.size(); ++i)
        if (monitors[i].primary)
            return static_cast<int>(i);
    return 0;
}

}  // namespace

int chooseMonitor(const std::vector<platform::Monitor>& monitors, int second) {
    if (monitors.size() < 2)
        return 0;
    for (std::size_t i = 0; i < monitors.size(); ++i)
        if (monitors[i].primary != (second == 1))
            return static_cast<int>(i);
    return primaryIndex(monitors);
}

platform::Monitor monitorAt(const std::vector<platform::Monitor>& monitors, int index) {
    if (monitors.empty())
        return {};
    if (index < 0 || static_cast<std::size_t>(index) >= monitors.size())
        index = primaryIndex(monitors);
    return monitors[static_cast<std::size_t>(index)];
}

}  // namespace touchcal
