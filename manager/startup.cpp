#include "manager/startup.h"

#include <cstdio>

#include "common/debug_log.h"
#include "common/families.h"
#include "common/flags.h"
#include "common/longpress_file.h"
#include "manager/flags.h"
#include "platform/host.h"

namespace touchman {

namespace {

const char* const renamedFile = "c:\\longtap.xxx";

int refuse(const char* text, int code) {
    platform::host().messageBox(text, managerTitle, platform::boxOk);
    return code;
}

}  // namespace

chkusbResult chkusb(long pid) {
    if (dbg_f)
        return usbOpened;
    platform::Host& h = platform::host();
    const platform::LibHandle lib = h.loadLibrary(padlink::libraryName);
    logf(" chkusb, LoadLibrary( padlink.dll )=%p \n", reinterpret_cast<void*>(lib));
    if (!lib)
        return usbNoLibrary;

    OpenPadlinkFn ofp = nullptr;
    ClosePadlinkFn cfp = nullptr;
    SetIDFn idfp = nullptr;
    chkusbResult missing = usbOpened;
    if (!bindEntry(lib, ofp, "OpenPadlink")) missing = usbNoOpenPadlink;
    else if (!bindEntry(lib, cfp, "ClosePadlink")) missing = usbNoClosePadlink;
    else if (!bindEntry(lib, idfp, "SetID")) missing = usbNoSetID;
    if (missing != usbOpened) {
        h.freeLibrary(lib);
        return missing;
    }

    idfp(0, static_cast<int>(pid), 0);
    const int opened = ofp();
    logf(" ofp()=%d, pid=%lx \n", opened, pid);
    cfp();
    h.freeLibrary(lib);
    return opened ? usbOpenRefused : usbOpened;
}

int settingsFileTest() {
    platform::Host& h = platform::host();
    // A file that passes the permission test but cannot be opened for reading and
    // writing is rewritten as well.
    h.clearLastError();
    const bool opens = h.openFile(longPressFile, "r+") != nullptr;
    if (!h.canReadWrite(longPressFile) || !opens) {
        if (platform::File f = h.openFile(longPressFile, "w"))
            std::fputs(longPressDefaultLine, f.get());
    }
    if (!h.canReadWrite(longPressFile))
        return 1;

    // A name left by an interrupted earlier run would make the rename fail.
    h.removeFile(renamedFile);
    h.renameFile(longPressFile, renamedFile);
    if (h.canReadWrite(longPressFile))
        return 2;
    h.renameFile(renamedFile, longPressFile);
    return 0;
}

int startManager(const EntryArgs& args) {
    platform::Host& h = platform::host();
    dbg_f = hasFlag(args.commandLine, "-d");
    date_f = hasFlag(args.commandLine, "-f");

    const int err = settingsFileTest();
    const long admin = h.isAdministrator() ? 1 : 0;
    if (err != 0 || admin == 0) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "Please rerun this program  by right clicking the program icon,\n"
                      " and choosing \"Run as administrator\". (%d, %ld)",
                      err, admin);
        h.messageBox(text, "Tormalin Touch Manager", platform::boxOk);
        return 1;
    }

    openLog("\\touchman.log", "a+");
    logHeader("940613,950116,970826,1010713");
    logf(" hi=%p, hpv=%p, cmd=%s, show=%d, err=%d \n", args.instance, args.prevInstance,
         args.commandLine, args.show, err);
    logFlush();

    const chkusbResult a000 = chkusb(primaryFamily[0]);
    const chkusbResult a200 = chkusb(secondaryFamily[0]);
    const chkusbResult a800 = chkusb(primaryFamily[1]);
    const chkusbResult aa00 = chkusb(secondaryFamily[1]);
    if (!dbg_f && a000 == usbOpened && a800 == usbOpened)
        return refuse("Error: On Board Touch is not disabled!", 2);
    if (!dbg_f && a200 == usbOpened && aa00 == usbOpened)
        return refuse("Touch PID Error!", 3);
    return -1;
}

}  // namespace touchman
