#include "manager/edit_rules.h"

#include <cstdint>

namespace touchman {

int intValueOr(const std::string& text, int fallback) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos)
        return fallback;
    bool negative = false;
    if (text[at] == '-' || text[at] == '+')
        negative = text[at++] == '-';
    if (at == text.size())
        return fallback;
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9')
            return fallback;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL)
            return fallback;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return fallback;
    return static_cast<int>(value);
}

int foldedValue(const std::string& text, int fallback, int max) {
    const auto value = static_cast<std::uint32_t>(intValueOr(text, fallback));
    if (value == 0)
        return max;
    if (value > static_cast<std::uint32_t>(max))
        return 1;
    return static_cast<int>(value);
}

}  // namespace touchman
