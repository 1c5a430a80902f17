#include "manager/settings_model.h"

#include <cstdio>

#include "common/cmdbuf.h"
#include "common/debug_log.h"
#include "common/families.h"
#include "common/version_digits.h"
#include "manager/driver_probe.h"
#include "manager/flags.h"
#include "platform/host.h"
#include "ui/screen.h"

namespace touchman {

namespace {

const char* const maskLine[2] = {" m_acc1=%x \n", " m_acc2=%x \n"};

void send(Padlink& link, const char* name, std::initializer_list<int> values) {
    composeCommand(name, values);
    sendComposed(link);
}

void logBlock() {
    if (!logIsOpen())
        return;
    for (int i = 0; i < meaningfulBytes; ++i)
        logf(" %c ", cmdBuf[i]);
    logf("\n");
    for (int i = 0; i < meaningfulBytes; ++i)
        logf(" %x ", cmdBuf[i]);
    logf("\n");
    logf(" tc2=%lu \n", static_cast<unsigned long>(platform::host().tickCount()));
}

void logMissingDriver(long pid, bool secondary, int monitors) {
    char text[160];
    if (secondary)
        std::snprintf(text, sizeof text,
                      "Your secondary touch screen has no driver, may need to install one. (%lx)",
                      pid);
    else
        std::snprintf(text, sizeof text,
                      "Your touch screen has no driver, may need to install one. (%lx,%d)", pid,
                      monitors);
    logf(" %s \n", text);
}

}  // namespace

int getPage(Padlink& link, long pid, int slot, int swapTch, PageRead& page) {
    logf(" in getPage( %lx ), tchcnt=%d \n", pid, slot);
    if (slot > 1)
        return 5;
    if (openusb(link, pid) != usbOpened)
        return 1;

    page = PageRead{};
    page.pid = pid;
    page.rs = (isSecondary(pid) ? 1 : 0) ^ (swapTch ? 1 : 0);
    wrtp(link, "D1_rfwver");
    if (isValidReply(cmdBuf)) {
        const std::string digits = versionDigits(cmdBuf);
        page.vn = versionNumber(digits);
        page.version = "." + digits;
        if (hasSuspendMode(page.vn)) {
            wrtp(link, "D1_rdssmst");
            page.suspend = cmdBuf[9];
            page.startup = cmdBuf[12];
        }
        const EdgeReading edge = readEdge(link);
        page.acc = edge.mask;
        page.margins = edge.margins;
        // The edge tool's compensations, so that a write gives them back unchanged.
        page.comps = readComp(link);
        wrtp(link, "D1_allmodeopt");
    } else if (dbg_f) {
        char hex[16];
        std::snprintf(hex, sizeof hex, ".%lx", pid);
        page.version = hex;
    } else {
        page.version = ".1020118";
    }
    page.touch = touchSettingsFrom(cmdBuf);

    page.nodrv = chkdrv(pid);
    logf(" hm=%p, ss=%s, nodrv=%d, m_tchCnt=%d, vn=%d \n", reinterpret_cast<void*>(link.hm),
         page.version.c_str(), page.nodrv, slot, page.vn);
    closeusb(link);

    const int monitors = ui::screen().monitorCount();
    if (page.nodrv && !dbg_f) {
        page.secondaryWithoutDriver = monitors >= 2 && isSecondary(pid);
        logMissingDriver(pid, page.secondaryWithoutDriver, monitors);
    }
    return 0;
}

int writePage(Padlink& link, long pid, PageWrite& page) {
    platform::Host& h = platform::host();
    logf(" in writePage( %lx,%ld ) at %ld \n", pid, pid, static_cast<long>(h.now()));
    if (pid < 1)
        return 0;
    if (openusb(link, pid) != usbOpened || link.dbg)
        return 1;
    logf(" tc1=%lu \n", static_cast<unsigned long>(h.tickCount()));

    TouchSettings& t = page.touch;
    if (t.enable < 8)
        t.enable &= ~4;
    send(link, "D1_modeopt", {t.enable, t.dots, t.modeAux1, t.modeAux2});
    h.pause(commandWaitMs);
    send(link, "D1_mbmodeopt", {t.mbMode});
    h.pause(commandWaitMs);
    if (isPlainModel(pid))
        send(link, "D1_buzopt", {t.buzr, t.freq, t.dura});
    else
        send(link, "D1_buzopt", {t.buzr, t.freq, t.dura, 0xA8, t.freq * 17 / 2, t.dura});
    h.pause(commandWaitMs);

    std::int32_t& mask = page.acc;
    mask = switchEdge(mask, edgeLeftOn, page.edgeLeft);
    mask = switchEdge(mask, edgeRightOn, page.edgeRight);
    mask = switchEdge(mask, edgeTopOn, page.edgeTop);
    mask = switchEdge(mask, edgeBottomOn, page.edgeBottom);
    logf(maskLine[page.slot], static_cast<unsigned>(mask));
    mask = sentMask(mask);
    sendEdge(link, mask, page.margins);
    h.pause(commandWaitMs);
    sendComp(link, page.comps);
    h.pause(commandWaitMs);
    // The last command of the series goes without its wait.
    send(link, "D1_stssm", {page.suspend ? 1 : 0, 0, 0, page.startup});

    logBlock();
    closeusb(link);
    return 0;
}

}  // namespace touchman
