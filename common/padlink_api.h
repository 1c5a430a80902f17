#pragma once
// The device library's entries as the kit calls them: __stdcall, exported undecorated
// ("OpenPadlink", not "_OpenPadlink@0"). Results the callers ignore are still ints.

#if defined(__i386__)
#define PADLINK_CALL __attribute__((stdcall))
#else
#define PADLINK_CALL
#endif

extern "C" {
typedef int(PADLINK_CALL* SetIDFn)(int, int pid, int);
typedef int(PADLINK_CALL* OpenPadlinkFn)();
typedef int(PADLINK_CALL* ClosePadlinkFn)();
typedef int(PADLINK_CALL* WriteTPFn)(unsigned char* block);
typedef int(PADLINK_CALL* ReadTPFn)(unsigned char* block);
}

namespace padlink {
constexpr const char* libraryName = "padlink.dll";
constexpr int blockSize = 32;
}  // namespace padlink
