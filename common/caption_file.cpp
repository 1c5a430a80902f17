#include "common/caption_file.h"

#include <cstdio>

#include "platform/host.h"

std::optional<std::string> captionLine(const char* name) {
    platform::File f = platform::host().openFile(name, "r");
    if (!f)
        return std::nullopt;
    char line[captionLength + 1];
    if (!std::fgets(line, sizeof line, f.get()))
        return std::nullopt;
    std::string text;
    for (const char* c = line; *c >= 0x20 && *c <= 0x7E; ++c)
        text += *c;
    return text;
}
