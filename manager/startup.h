#pragma once
// The manager's checks before any window exists: flags, the long-press settings file,
// administrator rights, the debug log, and the probes of the four controllers.
#include "common/entry_args.h"
#include "common/exchange.h"

namespace touchman {

constexpr const char* managerTitle = "Tormalin USB Dual Touch Manager";

// Probes one product identifier: opens it and closes it again.
chkusbResult chkusb(long pid);

// 0 passed; 1 the settings file cannot be read and written; 2 its rename test failed.
int settingsFileTest();

// Runs the checks in order; returns the exit code when start-up must end (1 to 3), or -1
// when the windows may be built.
int startManager(const EntryArgs& args);

}  // namespace touchman
