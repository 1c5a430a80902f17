// The main window's life: construction in its fixed order, the show event with its tab
// rules, Apply, OK, Cancel and destruction.
#include "manager/main_form.h"
#include "manager/window_helpers.h"

#include <initializer_list>

#include "common/date_stamp.h"
#include "common/debug_log.h"
#include "common/program_entry.h"
#include "manager/driver_probe.h"
#include "manager/flags.h"
#include "platform/host.h"

namespace touchman {

const ExchangeStyle exchangeStyle{
    .openLine = " in openusb, pid=%lx \n", .openClearsHandle = true,
    .wrtpLogsBindings = true, .wrtpSkipsInDebug = true,
    .clearBytes = padlink::blockSize, .clearAfterBindingTest = false,
    .waitAfterReply = 0, .signedCharDump = true,
};

namespace {

// Runs the control's click handler, as a click would.
void runClick(ui::Clickable* c) {
    if (c->onClick)
        c->onClick();
}

void logSystem() {
    platform::Host& h = platform::host();
    const platform::SystemInfo info = h.systemInfo();
    logf(" processorArchi=%x \n", static_cast<unsigned>(info.processorArchitecture));
    logf(" oemId=%lx \n", static_cast<unsigned long>(info.oemId));
    const std::string ntvdm = info.systemDirectory + "\\ntvdm64.dll";
    logf(" sysdir=%d, %s, x64_f=%d \n", static_cast<int>(info.systemDirectory.size()),
         ntvdm.c_str(), h.fileExists(ntvdm) ? 1 : 0);
}

}  // namespace

TForm1::TForm1(TForm2* splash) : ui::Form("TForm1"), m_splash(splash) {
    designWindow();
    m_link.dbg = dbg_f != 0;
    nodrv2_f = 0;
    logSystem();
    const std::string stamp = dateStamp("touchman.exe");
    if (date_f && !stamp.empty())
        setCaption(caption() + "." + stamp);
    loadDelays();
    checkCursor();
    loadCaption(*this, "touchman.ini");
    surveyMonitors();
    m_swapTch = getreg("SwapTch");

    pumpMessages();
    showWaitWindow();
    const int j = readControllers();
    if (dbg_f)
        platform::host().pause(1000);
    if (nodrv2_f) {
        Button11Click();
        nodrv2_f = 0;
    }
    if (m_splash) {
        m_splash->show();
        m_splash->setFocus();
        m_splash->hide();
    }
    repaint();
    pumpMessages();
    logf(" m_pid=%lx,%lx, m_rs=%d,%d , j=%d \n", m_pid[0], m_pid[1], m_rs[0], m_rs[1], j);

    layOut();
    setEdgeBoxes();
    layoutWarning();
    updres(0);
    updres(1);
}

TForm1::~TForm1() { endMainWindow(m_link); }

void TForm1::showSlot(int slot) {
    const TouchSettings& t = m_touch[slot];
    TouchPage& pg = m_page[slot];
    pg.enableTouch->setChecked((t.enable & 1) != 0);
    pg.dotsEdit->setText(std::to_string(t.dots));
    // A mode whose bit is clear leaves its button as it is.
    for (int i = 0; i < 3; ++i)
        if (t.mbMode & (1 << i))
            pg.modes[i]->setChecked(true);
    pg.freqEdit->setText(std::to_string(t.freq));
    pg.duraEdit->setText(std::to_string(t.dura));
    pg.beep->setChecked(t.buzr != 0);
    pg.freqUpDown->setPosition(t.freq);
    pg.duraUpDown->setPosition(t.dura);
    pg.dotsUpDown->setPosition(t.dots);
    runClick(pg.enableTouch);
    runClick(pg.beep);
}

void TForm1::FormShow() {
    logf(" in FormShow \n");
    showSlot(0);
    showSlot(1);
    CheckBox4->setChecked(m_actm != 0);
    CheckBox3->setChecked(m_abtm != 0);
    CheckBox8->setChecked(m_abtm != 0);
    runClick(CheckBox3);
    runClick(CheckBox4);

    for (ui::TabSheet* sheet : {TabSheet1, TabSheet2, TabSheet3})
        sheet->setColor(ui::clBtnFace);
    TabSheet1->setTabVisible(false);
    if (m_tchCnt == 0 && !dbg_f) {
        TabSheet2->setTabVisible(false);
        TabSheet3->setTabVisible(false);
    } else if (m_tchCnt == 1 && !dbg_f) {
        TabSheet3->setTabVisible(false);
        Panel1->show();
        TabSheet2->setCaption("Touch Setting");
    } else {
        Panel1->show();
        Panel2->show();
    }
    if (m_tchCnt > 0 || dbg_f)
        PageControl1->setActivePage(TabSheet2);
}

void TForm1::Button7Click() {
    logf(" in Button7Click \n");
    setEnabled(false);
    enable({Button7, Button3, Button4, BitBtn4}, false);
    platform::host().beep(3000, 100);
    for (long pid : m_pid) {
        const int s = pid == m_pid[1] ? 1 : 0;
        PageWrite page = pageToWrite(s);
        writePage(m_link, pid, page);
        m_touch[s].enable = page.touch.enable;
        m_acc[s] = page.acc;
    }
    enable({Button2, Button8}, false);
    applyLongPress();

    setEnabled(true);
    enable({Button7, Button2, Button8, Button5, BitBtn1, Button4, BitBtn4, Button3}, true);
}

void TForm1::Button3Click() {
    Button7Click();
    close();
}

void TForm1::Button2Click() {
    platform::host().beep(1000, 100);
    close();
}

}  // namespace touchman
