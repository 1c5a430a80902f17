#include "common/flags.h"

#include <cstring>

bool hasFlag(const char* commandLine, const char* flag) {
    return commandLine && std::strstr(commandLine, flag) != nullptr;
}
