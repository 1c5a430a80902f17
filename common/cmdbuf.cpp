#include "common/cmdbuf.h"

unsigned char cmdBuf[padlink::blockSize];

bool isValidReply(const unsigned char* reply) {
    return reply[0] == 0x20 && reply[1] == 'D';
}
