#include "manager/settings_model.h"

#include <cstdio>
#include <initializer_list>
#include <string>

#include "common/cmdbuf.h"
#include "common/debug_log.h"
#include "manager/driver_probe.h"
#include "manager/flags.h"
#include "manager/main_form.h"
#include "platform/host.h"

int vn[2] = {0, 0};

namespace {

bool isSecondary(long pid) { return pid == 0xA200 || pid == 0xAA00; }

// These two offer no Touch_to_Calibrate and no beep operation.
bool isPlainModel(long pid) { return pid == 0xA800 || pid == 0xAA00; }

// The log lines and version label that differ between the two slots.
struct SlotText {
    const char* version;
    const char* beep;
    const char* mask;
};
const SlotText slotText[2] = {
    {" 1st=%s \n", " buzr=%u, freq=%u, dura=%u, acc1=%u \n", " m_acc1=%x \n"},
    {" 2nd=%s \n", " buzr2=%u, freq2=%u, dura2=%u, acc2=%u \n", " m_acc2=%x \n"},
};

// The version number the three version characters spell, up to the first non-digit.
int versionNumber(const std::string& digits)
{
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            break;
        n = n * 10 + (c - '0');
    }
    return n;
}

void send(Padlink& link, const char* name, std::initializer_list<int> values, bool wait = true)
{
    composeCommand(name, values);
    sendComposed(link);
    if (wait)
        platform::host().pause(commandWaitMs);
}

void logBlock()
{
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

}  // namespace

int getPage(TForm1& w, long pid)
{
    logf(" in getPage( %lx ), tchcnt=%d \n", pid, w.m_tchCnt);
    if (w.m_tchCnt > 1)
        return 5;
    if (openusb(w.m_link, pid) != usbOpened)
        return 1;

    const int s = w.m_tchCnt;
    w.m_rs[s] = (isSecondary(pid) ? 1 : 0) ^ (w.m_swapTch ? 1 : 0);
    w.m_pid[s] = pid;
    vn[s] = 0;
    int edge = 0, suspend = 0, startup = 0;
    std::string version;
    wrtp(w.m_link, "D1_rfwver");
    if (isValidReply(cmdBuf)) {
        for (int i = 10; i <= 12; ++i)
            version += static_cast<char>(cmdBuf[i] + '0');
        vn[s] = versionNumber(version);
        version = "." + version;
        if (hasSuspendMode(vn[s])) {
            wrtp(w.m_link, "D1_rdssmst");
            suspend = cmdBuf[9];
            startup = cmdBuf[12];
        }
        wrtp(w.m_link, "D1_readedge");
        edge = cmdBuf[9];
        for (int i = 0; i < 4; ++i)
            w.m_margins[s][i] = cmdBuf[10 + i];
        // The edge tool's compensations, so that a write gives them back unchanged.
        wrtp(w.m_link, "D1_readcav");
        for (int i = 0; i < 4; ++i)
            w.m_comps[s][i] = cmdBuf[9 + i];
        wrtp(w.m_link, "D1_allmodeopt");
    } else if (dbg_f) {
        char hex[16];
        std::snprintf(hex, sizeof hex, ".%lx", pid);
        version = hex;
    } else {
        version = ".1020118";
    }

    const int nodrv = chkdrv(pid);
    logf(" hm=%p, ss=%s, nodrv=%d, m_tchCnt=%d, vn=%d \n",
         reinterpret_cast<void*>(w.m_link.hm), version.c_str(), nodrv, w.m_tchCnt, vn[s]);
    closeusb(w.m_link);

    const int monitors = ui::screen().monitorCount();
    if (nodrv && monitors >= 2 && isSecondary(pid) && !dbg_f) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Your secondary touch screen has no driver, may need to install one. (%lx)",
                      pid);
        logf(" %s \n", text);
        nodrv2_f = 1;
    } else if (nodrv && !dbg_f) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Your touch screen has no driver, may need to install one. (%lx,%d)", pid,
                      monitors);
        logf(" %s \n", text);
    }

    if (isPlainModel(pid)) {
        w.CheckBox4->setEnabled(false);
        w.UpDown5->setEnabled(false);
        w.Edit5->setEnabled(false);
        w.m_actm = 0;
        w.m_noTouchCal = 1;
    }

    TouchPage& pg = w.m_page[s];
    pg.firmware->setCaption(pg.firmware->caption() + version);
    logf(slotText[s].version, pg.firmware->caption().c_str());
    TouchSettings& t = w.m_touch[s];
    t = touchSettingsFrom(cmdBuf);
    w.m_acc[s] = edge;
    logf(slotText[s].beep, static_cast<unsigned>(t.buzr), static_cast<unsigned>(t.freq),
         static_cast<unsigned>(t.dura), static_cast<unsigned>(w.m_acc[s]));
    if (hasSuspendMode(vn[s])) {
        for (ui::Control* c : std::initializer_list<ui::Control*>{
                 pg.suspend, pg.startupGroup, pg.startupEdit, pg.startupUpDown})
            c->show();
        pg.suspend->setChecked(suspend != 0);
        pg.startupUpDown->setPosition(startup);
        pg.startupEdit->setText(std::to_string(startup));
    }
    if (s == 1) {
        if (nodrv == 0) {
            w.Button11->setEnabled(false);
            w.BitBtn2->setEnabled(false);
        }
        w.Button12->setEnabled(true);
        w.BitBtn3->setEnabled(true);
        w.BitBtn17->setEnabled(true);
    }
    ++w.m_tchCnt;
    return 0;
}

int writePage(TForm1& w, long pid)
{
    platform::Host& h = platform::host();
    logf(" in writePage( %lx,%ld ) at %ld \n", pid, pid, static_cast<long>(h.now()));
    if (pid < 1)
        return 0;
    if (openusb(w.m_link, pid) != usbOpened || dbg_f)
        return 1;
    logf(" tc1=%lu \n", static_cast<unsigned long>(h.tickCount()));

    const int s = pid == w.m_pid[1] ? 1 : 0;
    TouchSettings& t = w.m_touch[s];
    if (t.enable < 8)
        t.enable &= ~4;
    send(w.m_link, "D1_modeopt", {t.enable, t.dots, t.modeAux1, t.modeAux2});
    send(w.m_link, "D1_mbmodeopt", {t.mbMode});
    if (isPlainModel(pid))
        send(w.m_link, "D1_buzopt", {t.buzr, t.freq, t.dura});
    else
        send(w.m_link, "D1_buzopt", {t.buzr, t.freq, t.dura, 0xA8, t.freq * 17 / 2, t.dura});

    const TouchPage& pg = w.m_page[s];
    int& mask = w.m_acc[s];
    mask = pg.edgeLeft->checked() ? mask | 0x09 : mask & ~0x08;
    mask = pg.edgeRight->checked() ? mask | 0x11 : mask & ~0x10;
    mask = pg.edgeTop->checked() ? mask | 0x03 : mask & ~0x02;
    mask = pg.edgeBottom->checked() ? mask | 0x05 : mask & ~0x04;
    logf(slotText[s].mask, static_cast<unsigned>(mask));
    if (mask < 2)
        mask = 0;
    const EdgeValues& margin = w.m_margins[s];
    const EdgeValues& comp = w.m_comps[s];
    send(w.m_link, "D1_setedge", {mask, margin[0], margin[1], margin[2], margin[3]});
    send(w.m_link, "D1_setca", {comp[0], comp[1], comp[2], comp[3]});
    send(w.m_link, "D1_stssm",
         {pg.suspend->checked() ? 1 : 0, 0, 0, pg.startupUpDown->position()}, false);

    logBlock();
    closeusb(w.m_link);
    return 0;
}
