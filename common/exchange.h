#pragma once
// The frame of every conversation with a controller: bind the device library for one
// product identifier, send a command and read its reply, or send a command with values.
#include <initializer_list>

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

// Each program carries its own copy of the exchange; they differ in small, deliberate ways
// (log lines, the debug test, how much of the buffer is cleared, an extra wait).
enum class ExchangeStyle { Manager, Calibrator, EdgeTool };

// The bound device library of one program.
struct Padlink {
    ExchangeStyle style = ExchangeStyle::Manager;
    bool dbg = false;  // debug mode: nothing is loaded and nothing is sent
    platform::LibHandle hm = 0;
    OpenPadlinkFn ofp = nullptr;
    ClosePadlinkFn cfp = nullptr;
    WriteTPFn wfp = nullptr;
    ReadTPFn rfp = nullptr;
    SetIDFn idfp = nullptr;
};

constexpr unsigned commandWaitMs = 800;
constexpr int meaningfulBytes = 17;

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
