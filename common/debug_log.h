#pragma once
// The process's debug log: used only when the log file already exists at start, so that a
// terminal logs nothing until someone creates the file by hand.

// Opens `path` with `mode` ("a+" keeps earlier runs, "w" empties) when it exists.
bool openLog(const char* path, const char* mode);
bool logIsOpen();
void logf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void logFlush();
// The dashed first line of a run: " ------ <tag> ------ <ctime text>".
void logHeader(const char* tag);
// The last line of a run, then the file is closed.
void closeLog();
