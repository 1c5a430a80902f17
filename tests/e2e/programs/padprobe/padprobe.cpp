// Drives a padlink.dll as the kit's programs do, one step per argument:
//   padprobe <library path> setid=a200 open write=D1_setedge+0b+32+32+32+32 read close
// write=NAME[+HH...] sends a 32-byte block of zeros with NAME and the hex value bytes
// right after it; read blanks the block, calls ReadTP and prints the 32 bytes in hex.
// Each step prints "<entry> <result>" (ReadTP adds the bytes). Exit codes: 0 done,
// 1 library not loaded, 2 to 6 OpenPadlink, WriteTP, ReadTP, ClosePadlink or SetID
// missing (the callers' order and codes), 8 a step it does not know.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/padlink_api.h"

namespace {

struct Entries {
    OpenPadlinkFn open;
    WriteTPFn write;
    ReadTPFn read;
    ClosePadlinkFn close;
    SetIDFn setId;
};

template <typename Fn>
bool bind(HMODULE lib, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib, name)));
    return fn != nullptr;
}

// 0 when all five are there, else the code of the first one missing.
int bindAll(HMODULE lib, Entries& e) {
    if (!bind(lib, "OpenPadlink", e.open)) return 2;
    if (!bind(lib, "WriteTP", e.write)) return 3;
    if (!bind(lib, "ReadTP", e.read)) return 4;
    if (!bind(lib, "ClosePadlink", e.close)) return 5;
    if (!bind(lib, "SetID", e.setId)) return 6;
    return 0;
}

bool parseBlock(const std::string& text, unsigned char* block) {
    std::memset(block, 0, padlink::blockSize);
    const auto plus = text.find('+');
    const std::string name = text.substr(0, plus);
    if (name.size() >= static_cast<std::size_t>(padlink::blockSize)) return false;
    std::memcpy(block, name.data(), name.size());
    std::size_t at = name.size();
    for (auto pos = plus; pos != std::string::npos;) {
        const auto next = text.find('+', pos + 1);
        const std::string hex = text.substr(pos + 1, next - pos - 1);
        char* end = nullptr;
        const unsigned long v = std::strtoul(hex.c_str(), &end, 16);
        if (hex.empty() || *end || v > 255 || at >= static_cast<std::size_t>(padlink::blockSize))
            return false;
        block[at++] = static_cast<unsigned char>(v);
        pos = next;
    }
    return true;
}

bool runStep(const Entries& e, const std::string& step) {
    unsigned char block[padlink::blockSize];
    if (step.compare(0, 6, "setid=") == 0) {
        const int pid = static_cast<int>(std::strtol(step.c_str() + 6, nullptr, 16));
        std::printf("SetID %d\n", e.setId(0, pid, 0));
    } else if (step == "open") {
        std::printf("OpenPadlink %d\n", e.open());
    } else if (step == "close") {
        std::printf("ClosePadlink %d\n", e.close());
    } else if (step.compare(0, 6, "write=") == 0) {
        if (!parseBlock(step.substr(6), block)) return false;
        std::printf("WriteTP %d\n", e.write(block));
    } else if (step == "read") {
        std::memset(block, ' ', sizeof block);
        const int result = e.read(block);
        std::printf("ReadTP %d ", result);
        for (unsigned char b : block) std::printf("%02x", b);
        std::printf("\n");
    } else {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: padprobe <padlink.dll> [step...]\n");
        return 8;
    }
    HMODULE lib = LoadLibraryA(argv[1]);
    if (!lib) return 1;
    Entries e{};
    int code = bindAll(lib, e);
    for (int i = 2; code == 0 && i < argc; ++i) {
        if (!runStep(e, argv[i])) {
            std::fprintf(stderr, "padprobe: bad step %s\n", argv[i]);
            code = 8;
        }
        std::fflush(stdout);
    }
    FreeLibrary(lib);
    return code;
}
