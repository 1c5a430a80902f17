#pragma once
// Process-wide flags of the calibrator, read from the command line at start.

namespace touchcal {

extern int dbg_f;   // "-d": a run sends nothing and checks no reply; runs without a controller
extern int top_f;   // "-t": the application window is made topmost, again at each run start
extern int auto_f;  // "-s" (and "-i"): the countdown starts the run; the program ends after it
extern int date_f;  // "-f": the program file's date stamp joins the caption
extern int sal_f;   // "-8": the library is told 0xA200 before the controller is opened
extern int snd_f;   // "-2": 1 = a non-primary monitor; from the monitor choice on, its index
extern int imm_f;   // "-i": the main window stays hidden and the countdown lasts 500 ms

void readFlags(const char* commandLine);

}  // namespace touchcal
