// "Swap Touch", "Mirror Touch" and "Restore Defaults": the first two are sent to both
// controllers at once; the defaults only refill the window until Apply.
#include <initializer_list>

#include "common/debug_log.h"
#include "common/families.h"
#include "manager/driver_probe.h"
#include "manager/flags.h"
#include "manager/main_form.h"
#include "manager/startup.h"
#include "platform/host.h"

namespace touchman {

namespace {

// The firmware version whose suspend mode is on from the factory.
constexpr int suspendDefaultVersion = 396;

}  // namespace

// The families, not the slots, take the operation: slot 0's beep values always go to the
// first family, also when the panels are swapped.
int TForm1::sendcmd(int code, int value) {
    platform::Host& h = platform::host();
    logf(" in sendcmd( %x,%x ), tc=%lu \n", static_cast<unsigned>(code),
         static_cast<unsigned>(value), static_cast<unsigned long>(h.tickCount()));
    if (dbg_f)
        return 0;
    const std::array<long, 2>* families[2] = {&primaryFamily, &secondaryFamily};
    for (int s = 0; s < 2; ++s) {
        const std::array<long, 2>& family = *families[s];
        if (openusb(m_link, family[0]) != usbOpened && openusb(m_link, family[1]) != usbOpened)
            return s == 0 ? 1 : 0;
        const TouchSettings& t = m_touch[s];
        composeCommand("D1_buzopt", {t.buzr, t.freq, t.dura, code, value});
        sendComposed(m_link);
        h.pause(commandWaitMs);
        closeusb(m_link);
    }
    logf(" out sendcmd, tc=%lu \n", static_cast<unsigned long>(h.tickCount()));
    return 0;
}

namespace {

// A failure must not read as success: without even the first controller, say so.
void reportOperation(int result) {
    platform::host().messageBox(
        result == 0 ? "Operation Completed!" : "Operation failed: no touch device found!",
        managerTitle, platform::boxOk);
}

}  // namespace

void TForm1::Button12Click() {
    Button12->setEnabled(false);
    BitBtn3->setEnabled(false);
    const int result = sendcmd(0xA5, m_swapTch == 0 ? 1 : 0);
    Button12->setEnabled(true);
    BitBtn3->setEnabled(true);
    reportOperation(result);
}

void TForm1::BitBtn3Click() { Button12Click(); }

void TForm1::BitBtn17Click() {
    BitBtn17->setEnabled(false);
    const int mirrored = getreg("MirrorTch");
    const int result = sendcmd(0xA1, mirrored == 0 ? 1 : 0);
    BitBtn17->setEnabled(true);
    reportOperation(result);
}

// The cursor, swap and mirror and the edge masks themselves stay; the unchecked edge boxes
// take effect when Apply writes.
void TForm1::Button4Click() {
    m_touch[0] = m_touch[1] = TouchSettings{};
    m_actm = 0;
    m_abtm = 0;
    for (const TouchPage& pg : m_page)
        for (ui::CheckBox* box : {pg.edgeTop, pg.edgeLeft, pg.edgeBottom, pg.edgeRight})
            box->setChecked(false);
    for (int s = 0; s < 2; ++s) {
        TouchPage& pg = m_page[s];
        pg.suspend->setChecked(vn[s] == suspendDefaultVersion);
        pg.startupUpDown->setPosition(5);
        pg.startupEdit->setText("5");
    }
    FormShow();
}

void TForm1::BitBtn4Click() { Button4Click(); }

}  // namespace touchman
