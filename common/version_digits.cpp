#include "common/version_digits.h"

std::string versionDigits(const unsigned char* reply, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i)
        digits += static_cast<char>(reply[10 + i] + '0');
    return digits;
}

int versionNumber(const std::string& digits) {
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            break;
        n = n * 10 + (c - '0');
    }
    return n;
}
