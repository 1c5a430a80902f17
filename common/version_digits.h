#pragma once
// The firmware version in the "D1_rfwver" reply: bytes 10, 11 and 12 hold its digits as
// numbers 0 to 9.
#include <string>

// The first `count` digits as characters ("395"), whatever the bytes hold.
std::string versionDigits(const unsigned char* reply, int count = 3);

// The number the digits spell up to the first character that is no digit (395; 0 for none).
int versionNumber(const std::string& digits);
