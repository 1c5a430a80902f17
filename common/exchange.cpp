#include "common/exchange.h"

#include <algorithm>
#include <cstring>

#include "common/cmdbuf.h"

namespace {

void release(Padlink& pl) {
    platform::host().freeLibrary(pl.hm);
    pl = Padlink{pl.style, pl.dbg};
}

template <typename Fn>
bool bind(Padlink& pl, Fn& fn, const char* entry) {
    fn = reinterpret_cast<Fn>(platform::host().procAddress(pl.hm, entry));
    logf(" GetProcAddress( %s )=%p \n", entry, reinterpret_cast<void*>(fn));
    return fn != nullptr;
}

void logReply(const Padlink& pl, const char* command) {
    if (!logIsOpen())
        return;
    logf(" %s= ", command);
    for (int i = 0; i < meaningfulBytes; ++i) {
        if (pl.style->signedCharDump) {
            const signed char c = static_cast<signed char>(cmdBuf[i]);
            if (c >= 32)
                logf(" %c,%xh", c, c);
            else
                logf(" %xh", static_cast<unsigned>(static_cast<int>(c)));
        } else {
            logf(" %x ", cmdBuf[i]);
        }
    }
    logf("\n");
    logFlush();
}

}  // namespace

chkusbResult openusb(Padlink& pl, long pid) {
    if (pl.style->openClearsHandle)
        pl.hm = 0;
    logf(pl.style->openLine, pid);
    if (pl.dbg)
        return usbOpened;

    platform::Host& h = platform::host();
    pl.hm = h.loadLibrary(padlink::libraryName);
    logf(" LoadLibrary( padlink.dll )=%p \n", reinterpret_cast<void*>(pl.hm));
    if (!pl.hm)
        return usbNoLibrary;

    chkusbResult missing = usbOpened;
    if (!bindEntry(pl.hm, pl.ofp, "OpenPadlink")) missing = usbNoOpenPadlink;
    else if (!bindEntry(pl.hm, pl.wfp, "WriteTP")) missing = usbNoWriteTP;
    else if (!bindEntry(pl.hm, pl.rfp, "ReadTP")) missing = usbNoReadTP;
    else if (!bindEntry(pl.hm, pl.cfp, "ClosePadlink")) missing = usbNoClosePadlink;
    else if (!bindEntry(pl.hm, pl.idfp, "SetID")) missing = usbNoSetID;
    if (missing != usbOpened) {
        release(pl);
        return missing;
    }

    pl.idfp(0, static_cast<int>(pid), 0);
    const int opened = pl.ofp();
    logf(" ofp()=%d, pid=%lx \n", opened, pid);
    if (opened == 0)
        return usbOpened;
    pl.cfp();
    release(pl);
    return usbOpenRefused;
}

void wrtp(Padlink& pl, const char* command) {
    const ExchangeStyle& style = *pl.style;
    if (style.wrtpLogsBindings)
        logf(" in wrtp( %s ), hm=%p, wfp=%p, rfp=%p \n", command,
             reinterpret_cast<void*>(pl.hm), reinterpret_cast<void*>(pl.wfp),
             reinterpret_cast<void*>(pl.rfp));
    else
        logf(" in wrtp( %s ) \n", command);
    if (style.wrtpSkipsInDebug && pl.dbg)
        return;
    const auto clear = [&] { std::memset(cmdBuf, 0, static_cast<std::size_t>(style.clearBytes)); };
    if (!style.clearAfterBindingTest)
        clear();
    if (!pl.hm || !pl.wfp || !pl.rfp)
        return;
    if (style.clearAfterBindingTest)
        clear();

    platform::Host& h = platform::host();
    std::memcpy(cmdBuf, command, std::min(std::strlen(command) + 1, sizeof cmdBuf));
    pl.wfp(cmdBuf);
    h.pause(commandWaitMs);
    std::memset(cmdBuf, 0x20, sizeof cmdBuf);
    pl.rfp(cmdBuf);
    if (style.waitAfterReply)
        h.pause(style.waitAfterReply);
    logReply(pl, command);
}

void composeCommand(const char* name, std::initializer_list<int> values, int clear) {
    std::memset(cmdBuf, 0, static_cast<std::size_t>(clear));
    const std::size_t len = std::strlen(name);
    std::memcpy(cmdBuf, name, len);
    std::size_t at = len;
    for (int v : values)
        cmdBuf[at++] = static_cast<unsigned char>(v & 0xFF);
}

void sendComposed(Padlink& pl) {
    if (pl.hm && pl.wfp)
        pl.wfp(cmdBuf);
}

void closeusb(Padlink& pl) {
    if (!pl.hm)
        return;
    if (pl.cfp)
        pl.cfp();
    release(pl);
}
