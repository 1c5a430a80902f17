#pragma once
// The controller's side of the command exchange: a command block in, a reply out.
#include <array>
#include <cstdint>

#include "simulator/controller.h"

namespace sim {

// Bytes the library takes from the caller's pointer: every command's meaningful part
// (bytes 0 to 16). touchcal hands over 22-byte text literals, so reading further
// would run past them.
constexpr int commandSize = 17;
// Bytes ReadTP writes: the whole buffer every caller provides.
constexpr int replySize = 32;

using Command = std::array<std::uint8_t, commandSize>;
using Reply = std::array<std::uint8_t, replySize>;

Command commandFrom(const unsigned char* block);

// " D" and zeros: the answer to a command that carries no values back.
Reply plainReply();

struct Outcome {
    Reply reply;
    bool stateSet;  // a set command: the state must be stored again
};

// Runs one command on the controller. Unknown commands change nothing.
Outcome execute(Controller& c, const Command& cmd);

}  // namespace sim
