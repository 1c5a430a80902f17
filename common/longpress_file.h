#pragma once
// The long-press settings: one line of four decimal integers, "dly,dlz,pid1,pid2", in
// "c:\longtap.ini" (read by the hook library) and "longtap.ini" in the manager's folder.
// dly is the Touch_to_Calibrate delay, dlz the Touch_to_RightButton delay, in whole
// seconds, 0 = off; the product identifiers are written for the record and never read.
#include <cstdio>
#include <string>

constexpr const char* longPressFile = "c:\\longtap.ini";
constexpr const char* longPressLocalFile = "longtap.ini";
// Both actions off, with the default product identifiers.
constexpr const char* longPressDefaultLine = "0,0,40960,43008\n";

struct LongPressDelays {
    int dly = 0;
    int dlz = 0;
};

// Reads "%d,%d" from the stream's start; a number the text does not give keeps its value.
void scanDelays(std::FILE* f, LongPressDelays& d);

// The manager's rule: dly 3 to 15, dlz 1 to 3; anything else is off.
LongPressDelays managerRange(LongPressDelays d);
// The hook library's rule: dly 0 or 4 to 15, else 5; dlz 0 to 3, else 2.
LongPressDelays hookRange(LongPressDelays d);

// The line the manager writes: "%d,%d,%ld,%ld\n".
std::string longPressLine(LongPressDelays d, long pid1, long pid2);
