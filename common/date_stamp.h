#pragma once
// The program file's date stamp, which "-f" adds to a window's caption.
#include <string>

// Day, month, hour and minute of the modification time of programFile in the current
// directory, or of the running program's own file when it is not there ("05Jan0907");
// empty when neither has a time the run time can convert.
std::string dateStamp(const char* programFile);
