#include "edgetool/edit_value.h"

namespace touchacc {

int editValue(const std::string& text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    if (at == text.size())
        return 0;
    long value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9')
            return 0;
        // Past 255 the number can only be out of range; stop before it could overflow.
        if (value <= 255)
            value = value * 10 + (c - '0');
    }
    if (negative || value > 255)
        return 0;
    return static_cast<int>(value);
}

}  // namespace touchacc
