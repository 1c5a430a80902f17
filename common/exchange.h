#pragma once
// The frame of every conversation with a controller: bind the device library for one
// product identifier, send a command and read its reply, or send a command with values.
#include <initializer_list>

#include "common/debug_log.h"
#include "common/padlink_api.h"
#include "platform/host.h"

// Result of probing or opening one product identifier.
enum chkusbResult : int {
    usbOpened = 0,
    usbNoLibrary = 1,
    usbNoOpenPadlink = 2,
    usbNoWriteTP = 3,
    usbNoReadTP = 4,
    usbNoClosePadlink = 5,
    usbNoSetID = 6,
    usbOpenRefused = 7,
};

// Each program carries its own copy of the exchange; the copies differ in small, deliberate
// ways, which each program hands in as its style.
struct ExchangeStyle {
    const char* openLine;         // openusb's first log line, with the pid
    bool openClearsHandle;        // openusb forgets the handle before it logs
    bool wrtpLogsBindings;        // wrtp's first line shows hm, wfp and rfp
    bool wrtpSkipsInDebug;        // in debug mode wrtp returns before any change
    int clearBytes;               // bytes of cmdBuf cleared before each command
    bool clearAfterBindingTest;   // cleared only when the library is bound
    unsigned waitAfterReply;      // ms waited after ReadTP
    bool signedCharDump;          // reply bytes logged as " %c,%xh" / " %xh", not " %x "
};

// The bound device library of one program.
struct Padlink {
    const ExchangeStyle* style = nullptr;  // every program hands in its own
    bool dbg = false;  // debug mode: nothing is loaded
    platform::LibHandle hm = 0;
    OpenPadlinkFn ofp = nullptr;
    ClosePadlinkFn cfp = nullptr;
    WriteTPFn wfp = nullptr;
    ReadTPFn rfp = nullptr;
    SetIDFn idfp = nullptr;
};

constexpr unsigned commandWaitMs = 800;
constexpr int meaningfulBytes = 17;

// Looks up one entry of a loaded library and logs the look-up.
template <typename Fn>
bool bindEntry(platform::LibHandle lib, Fn& fn, const char* entry) {
    fn = reinterpret_cast<Fn>(platform::host().procAddress(lib, entry));
    logf(" GetProcAddress( %s )=%p \n", entry, reinterpret_cast<void*>(fn));
    return fn != nullptr;
}

// Binds the library and opens the controller `pid`; 0 leaves the library bound.
chkusbResult openusb(Padlink& pl, long pid);

// One command and its reply; the reply is left in cmdBuf.
void wrtp(Padlink& pl, const char* command);

// Clears the first `clear` bytes of cmdBuf, then places `name` with `values` right after it
// (each cut to its low byte), as the controller expects a command with values.
void composeCommand(const char* name, std::initializer_list<int> values,
                    int clear = meaningfulBytes);

// Sends the composed cmdBuf when the library is bound; no reply is read.
void sendComposed(Padlink& pl);

// ClosePadlink when bound, then the library is released.
void closeusb(Padlink& pl);
