#pragma once
// What the target window asks of the main window during and at the end of a run.
#include "common/exchange.h"

namespace touchcal {

class RunOwner {
public:
    virtual ~RunOwner() = default;
    // The bound device library, for the cancel command.
    virtual Padlink& padlink() = 0;
    virtual void enableMain() = 0;
    // Enables the main window and Start, shows the main window with the focus, and shows
    // the mouse cursor.
    virtual void restoreMain() = 0;
    // Closes the main window, which ends the program.
    virtual void endProgram() = 0;
    // A new run start that the user did not start: the cursor stays as it is.
    virtual void restart() = 0;
};

}  // namespace touchcal
