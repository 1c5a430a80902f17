#pragma once
// The caption files ("touchman.ini", "touchcal.ini", "touchacc.ini"): when present in the
// current directory, their first line replaces the main window's caption.
#include <optional>
#include <string>

// The longest caption line taken, its terminator not counted.
constexpr int captionLength = 254;

// The file's first line, cut at its first unprintable character (the line end included);
// nothing when the file cannot be opened or is empty.
std::optional<std::string> captionLine(const char* name);
