#pragma once
// The two commands of a calibration run, written straight to the library with no reply
// read and no wait.
#include "common/exchange.h"

namespace touchcal {

// "D1_swcancel" and "D1_calibrst", each padded with blanks to 21 characters.
constexpr const char* cancelCommand = "D1_swcancel          ";
constexpr const char* calibrateCommand = "D1_calibrst          ";

// Sends `text` when the library and WriteTP are bound, from a block of the library's size
// holding the text and zeros: WriteTP takes no length and reads a whole block.
void sendText(Padlink& pl, const char* text);

// The controller accepted the calibrate command: reply byte 0 a blank and byte 13 "k".
bool calibrationAccepted(const unsigned char* reply);

}  // namespace touchcal
