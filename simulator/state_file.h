#pragma once
// The text form of a bank, one controller per line, so that one program's settings are
// seen by the next and a test can set up or inspect a terminal with a text editor.
#include <string>

#include "simulator/controller.h"

namespace sim {

std::string formatBank(const Bank& bank);

// Lines without a usable pid are skipped, malformed fields keep their defaults, and a
// text without any controller gives defaultBank(). Never throws on bad input.
Bank parseBank(const std::string& text);

// A missing or unreadable file reads as defaultBank().
Bank loadBankFile(const std::string& path);
bool saveBankFile(const std::string& path, const Bank& bank);

}  // namespace sim
