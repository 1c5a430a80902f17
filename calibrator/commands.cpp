#include "calibrator/commands.h"

#include <algorithm>
#include <cstring>

namespace touchcal {

void sendText(Padlink& pl, const char* text) {
    if (!pl.hm || !pl.wfp)
        return;
    unsigned char block[padlink::blockSize] = {};
    std::memcpy(block, text, std::min(std::strlen(text), sizeof block - 1));
    pl.wfp(block);
}

bool calibrationAccepted(const unsigned char* reply) { return reply[0] == ' ' && reply[13] == 'k'; }

}  // namespace touchcal
