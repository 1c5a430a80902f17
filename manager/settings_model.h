#pragma once
// Reading a controller into a plain record, and writing one slot's settings back. Neither
// knows the window: the main window shows what was read and hands in what to write.
#include <string>

#include "common/edge_values.h"
#include "common/exchange.h"
#include "manager/touch_settings.h"

namespace touchman {

// Versions with a suspend mode and its start-up time.
inline bool hasSuspendMode(int version) { return version >= 392 && version <= 399; }

// What reading one controller yields.
struct PageRead {
    long pid = 0;
    int rs = 0;            // the display it serves: 0 main, 1 second (swapped by SwapTch)
    int vn = 0;            // firmware version number (395 for "3", "9", "5"); 0 = not read
    std::string version;   // the firmware label's suffix: ".395", ".a000" in debug mode
    TouchSettings touch;   // from the "D1_allmodeopt" reply
    std::int32_t acc = 0;  // edge mask
    EdgeValues margins = edgeDefaults;
    EdgeValues comps = edgeDefaults;
    int suspend = 0;       // read only where the firmware has a suspend mode
    int startup = 0;
    int nodrv = 0;         // chkdrv's result
    bool secondaryWithoutDriver = false;
};

// 0 read into `page` for slot `slot`; 1 the controller cannot be opened; 5 both slots are
// filled (slot above 1).
int getPage(Padlink& link, long pid, int slot, int swapTch, PageRead& page);

// What Apply writes for one slot. writePage brings the enable bits and the edge mask into
// the form the firmware takes; the window keeps them so.
struct PageWrite {
    int slot = 0;
    TouchSettings touch;
    std::int32_t acc = 0;
    bool edgeLeft = false, edgeRight = false, edgeTop = false, edgeBottom = false;
    EdgeValues margins = edgeDefaults;
    EdgeValues comps = edgeDefaults;
    bool suspend = false;
    int startup = 0;
};

// 0 written, or nothing to write (pid below 1); 1 cannot be opened, or debug mode.
int writePage(Padlink& link, long pid, PageWrite& page);

}  // namespace touchman
