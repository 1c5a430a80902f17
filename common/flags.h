#pragma once
// The command-line flags of the kit's programs.

// A flag counts when its two characters occur anywhere in the command line, whatever the
// order and the other text.
bool hasFlag(const char* commandLine, const char* flag);
