#pragma once
// The rule of every margin and compensation edit.
#include <string>

namespace touchacc {

// The edit's text as a decimal number from 0 to 255; text that is no number (an empty edit
// included) or a number outside that range gives 0.
int editValue(const std::string& text);

}  // namespace touchacc
