#include "manager/flags.h"

#include <cstring>

int dbg_f = 0;
int date_f = 0;
int nodrv2_f = 0;

bool hasFlag(const char* commandLine, const char* flag)
{
    return commandLine && std::strstr(commandLine, flag) != nullptr;
}
