#pragma once
// Process-wide flags of the edge tool, read from the command line at start.

namespace touchacc {

extern int sal_f;  // "-8": the secondary family, 0xA200 then 0xAA00
extern int snd_f;  // "-2": the window goes to the first display that is not primary
extern int dbg_f;  // "-d": the device library is not loaded; nothing is sent

void readFlags(const char* commandLine);

}  // namespace touchacc
