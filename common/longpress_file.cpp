#include "common/longpress_file.h"

void scanDelays(std::FILE* f, LongPressDelays& d) {
    std::fscanf(f, "%d,%d", &d.dly, &d.dlz);
}

LongPressDelays managerRange(LongPressDelays d) {
    if (d.dly < 3 || d.dly > 15)
        d.dly = 0;
    if (d.dlz < 1 || d.dlz > 3)
        d.dlz = 0;
    return d;
}

LongPressDelays hookRange(LongPressDelays d) {
    if (d.dly != 0 && (d.dly < 4 || d.dly > 15))
        d.dly = 5;
    if (d.dlz < 0 || d.dlz > 3)
        d.dlz = 2;
    return d;
}
