#include "dirlines/dirline.h"

#include <cstring>

namespace {

// The directory is fetched into a fixed buffer of this many characters, terminator
// included; a longer path is not copied and the line carries an empty path.
constexpr std::size_t dirBufferLength = 1024;

}  // namespace

int printDirLine(std::FILE* out, const char* firstArg, const std::string& currentDir) {
    char dir[dirBufferLength + 1];
    std::memset(dir, 0, sizeof dir);
    if (currentDir.size() < dirBufferLength)
        std::memcpy(dir, currentDir.data(), currentDir.size());

    if (firstArg && firstArg[0] == '-') {
        switch (firstArg[1]) {
        case '1': return std::fprintf(out, "cd \"%s\" \n", dir);
        case '2': return std::fprintf(out, "\"%s\\uninst.bat\" \n", dir);
        case '3': return std::fprintf(out, "rd \"%s\" \n", dir);
        default: return 0;
        }
    }
    return std::fprintf(out, "%s \n", dir);
}
