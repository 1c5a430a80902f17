#pragma once
#include <cstdio>
#include <string>

// The current directory as one line of a batch script, chosen by the first argument
// (null when there is none). Returns the number of characters written.
int printDirLine(std::FILE* out, const char* firstArg, const std::string& currentDir);
