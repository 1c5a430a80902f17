#pragma once
// Process-wide flags of the manager, read from the command line at start.

namespace touchman {

extern int dbg_f;     // "-d": run without any controller
extern int date_f;    // "-f": the caption gets the program file's date stamp
extern int nodrv2_f;  // a secondary controller without driver was read

}  // namespace touchman
