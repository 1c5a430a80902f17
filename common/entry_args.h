#pragma once
// What a window program's WinMain receives, kept for the log's first lines and the flags.

struct EntryArgs {
    const void* instance = nullptr;
    const void* prevInstance = nullptr;
    const char* commandLine = "";
    int show = 0;
};
