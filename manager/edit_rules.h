#pragma once
// The rules by which the manager's edits read their text.
#include <string>

namespace touchman {

// The text as a decimal integer (blanks before it and a sign allowed); `fallback` when it
// is none or does not fit 32 bits.
int intValueOr(const std::string& text, int fallback);

// A setting edit's value: the text's integer (`fallback` when none), taken as an unsigned
// number, so that 0 becomes `max` and anything above `max`, negative numbers included,
// becomes 1. Stepping past either end of a setting thus cycles to the other.
int foldedValue(const std::string& text, int fallback, int max);

}  // namespace touchman
