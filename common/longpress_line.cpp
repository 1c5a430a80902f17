// Apart from the readers, which the hook library takes alone: it has no use for std::string.
#include <cstdio>

#include "common/longpress_file.h"

std::string longPressLine(LongPressDelays d, long pid1, long pid2) {
    char line[64];
    std::snprintf(line, sizeof line, "%d,%d,%ld,%ld\n", d.dly, d.dlz, pid1, pid2);
    return line;
}
