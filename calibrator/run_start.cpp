// The run start: the controller into its calibration mode, then the first target.
#include <cstring>
#include <vector>

#include "calibrator/about_box.h"
#include "calibrator/cal_form.h"
#include "calibrator/commands.h"
#include "calibrator/flags.h"
#include "calibrator/monitor_choice.h"
#include "common/cmdbuf.h"
#include "common/debug_log.h"
#include "platform/host.h"

namespace touchcal {

namespace {

constexpr unsigned commandPauseMs = 300;

void logRun(const platform::Monitor& m) {
    if (!logIsOpen())
        return;
    logf(" buf[]=");
    for (int i = 0; i < meaningfulBytes; ++i)
        logf(" %x", cmdBuf[i]);
    logf(" - ");
    for (int i = 0; i < meaningfulBytes; ++i)
        logf(" %c", cmdBuf[i]);
    logf("\n scrw=%d, scrh=%d \n", m.width, m.height);
    logf(" snd_f=%d, mon#=%d, primary=%d \n", snd_f, m.number, m.primary ? 1 : 0);
    logf(" Top=%d, Left=%d, scrw=%d, scrh=%d \n", m.top, m.left, m.width, m.height);
}

}  // namespace

// The reply is read once, 300 ms after the calibrate command; there is no retry.
void TForm1::Button1Click(const void* sender) {
    platform::Host& h = platform::host();
    logf(" in Button1Click, hm=%p, dbg_f=%d \n", reinterpret_cast<void*>(m_pl.hm), dbg_f);
    Timer1->setEnabled(false);
    if (!m_pl.hm && !dbg_f) {
        h.beep(500, 500);
        return;
    }
    if (!dbg_f)
        sendText(m_pl, cancelCommand);
    h.pause(commandPauseMs);
    if (!dbg_f)
        sendText(m_pl, calibrateCommand);
    h.pause(commandPauseMs);
    std::memset(cmdBuf, ' ', meaningfulBytes);
    if (m_pl.hm && m_pl.rfp && !dbg_f)
        m_pl.rfp(cmdBuf);

    const platform::Monitor m = monitorAt(ui::screen().monitors(), snd_f);
    logRun(m);
    if (!calibrationAccepted(cmdBuf) && !dbg_f) {
        sendText(m_pl, cancelCommand);
        h.beep(3000, 50);
        return;
    }

    m_box->layOutStep1(m);
    Button1->setCaption("Start");
    Button1->setEnabled(false);
    if (top_f && ui::Application::current())
        ui::Application::current()->makeTopmost();
    if (sender && !dbg_f)
        h.showCursor(false);
    setEnabled(false);
    m_box->present(m);
}

}  // namespace touchcal
