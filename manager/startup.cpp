#include "manager/startup.h"

#include <cstdio>

#include "common/debug_log.h"
#include "manager/flags.h"
#include "platform/host.h"

namespace {

const char* const renamedFile = "c:\\longtap.xxx";
const char* const settingsDefault = "0,0,40960,43008\n";

template <typename Fn>
bool bindEntry(platform::LibHandle lib, Fn& fn, const char* entry)
{
    fn = reinterpret_cast<Fn>(platform::host().procAddress(lib, entry));
    logf(" GetProcAddress( %s )=%p \n", entry, reinterpret_cast<void*>(fn));
    return fn != nullptr;
}

int refuse(const char* text, int code)
{
    platform::host().messageBox(text, managerTitle, platform::boxOk);
    return code;
}

}  // namespace

chkusbResult chkusb(long pid)
{
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

int settingsFileTest()
{
    platform::Host& h = platform::host();
    if (!h.canReadWrite(settingsFile)) {
        if (std::FILE* f = h.openFile(settingsFile, "w")) {
            std::fputs(settingsDefault, f);
            std::fclose(f);
        }
    }
    if (!h.canReadWrite(settingsFile))
        return 1;

    // A name left by an interrupted earlier run would make the rename fail.
    h.removeFile(renamedFile);
    h.renameFile(settingsFile, renamedFile);
    if (h.canReadWrite(settingsFile))
        return 2;
    h.renameFile(renamedFile, settingsFile);
    return 0;
}

int startManager(const EntryArgs& args)
{
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

    const chkusbResult a000 = chkusb(0xA000);
    const chkusbResult a200 = chkusb(0xA200);
    const chkusbResult a800 = chkusb(0xA800);
    const chkusbResult aa00 = chkusb(0xAA00);
    if (!dbg_f && a000 == usbOpened && a800 == usbOpened)
        return refuse("Error: On Board Touch is not disabled!", 2);
    if (!dbg_f && a200 == usbOpened && aa00 == usbOpened)
        return refuse("Touch PID Error!", 3);
    return -1;
}
