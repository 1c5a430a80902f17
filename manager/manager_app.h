#pragma once
// The manager's window part: the framework, the splash, the main window and the message
// loop, with the framework's error box for any exception on the way.
#include "ui/ui.h"

namespace touchman {

// Always 0: the main window was closed, or an exception was shown.
int runManager(ui::Mode mode = ui::defaultMode);

}  // namespace touchman
