#include "edgetool/flags.h"

#include <cstring>

namespace touchacc {

int sal_f = 0;
int snd_f = 0;
int dbg_f = 0;

namespace {

int hasFlag(const char* commandLine, const char* flag)
{
    return commandLine && std::strstr(commandLine, flag) ? 1 : 0;
}

}  // namespace

void readFlags(const char* commandLine)
{
    sal_f = hasFlag(commandLine, "-8");
    snd_f = hasFlag(commandLine, "-2");
    dbg_f = hasFlag(commandLine, "-d");
}

}  // namespace touchacc
