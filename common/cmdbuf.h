#pragma once
// The one command and reply buffer of the process, shared by every exchange.
#include "common/padlink_api.h"

extern unsigned char cmdBuf[padlink::blockSize];

// A reply is valid when it begins " D"; only the firmware version query checks it.
bool isValidReply(const unsigned char* reply);
