// The main window's construction and destruction: layout, caption, binding, firmware
// version, monitor choice, countdown, and the calls the target window makes back.
#include "calibrator/cal_form.h"

#include <optional>
#include <string>
#include <vector>

#include "calibrator/about_box.h"
#include "calibrator/commands.h"
#include "calibrator/flags.h"
#include "calibrator/monitor_choice.h"
#include "common/caption_file.h"
#include "common/cmdbuf.h"
#include "common/date_stamp.h"
#include "common/debug_log.h"
#include "common/version_digits.h"
#include "platform/host.h"

namespace touchcal {

// The calibrator binds in its window's construction, never through openusb.
const ExchangeStyle exchangeStyle{
    .openLine = nullptr, .openClearsHandle = false,
    .wrtpLogsBindings = true, .wrtpSkipsInDebug = false,
    .clearBytes = meaningfulBytes, .clearAfterBindingTest = true,
    .waitAfterReply = 0, .signedCharDump = false,
};

namespace {

const ui::Font bigFont{"MS Sans Serif", 20};

}  // namespace

TForm1::TForm1() : ui::Form("TForm1") {
    platform::Host& h = platform::host();
    layOut();
    logf(" in ::Form1 at %lu \n", static_cast<unsigned long>(h.tickCount()));
    if (const std::optional<std::string> text = captionLine(captionFile))
        setCaption(*text);
    const std::string stamp = dateStamp("touchcal.exe");
    if (date_f && !stamp.empty())
        setCaption(caption() + "." + stamp);
    if (!bindController())
        return;

    wrtp(m_pl, "D1_rfwver");
    std::string suffix = ".00";
    if (isValidReply(cmdBuf))
        suffix = '.' + versionDigits(cmdBuf, 2);
    setCaption(caption() + suffix);
    if (imm_f) {
        auto_f = 1;
        Timer1->setInterval(immediateCountdownMs);
    }
    m_endedEarly = false;
    FormShow1();
}

TForm1::~TForm1() {
    platform::Host& h = platform::host();
    h.beep(1000, 100);
    // Leaves no controller in its calibration mode, debug mode included.
    if (m_pl.hm)
        sendText(m_pl, cancelCommand);
    closeusb(m_pl);
    closeLog();
    h.beep(2000, 100);
}

void TForm1::layOut() {
    setCaption(designCaption);
    setBorderStyle(ui::BorderStyle::Single);
    setBorderIcons(ui::biSystemMenu | ui::biMinimize);
    setClientSize(537, 348);

    Label1->setFont({"MS Sans Serif", 20, false, ui::clBlue});
    Label2->setFont({"MS Sans Serif", 17, false, ui::clBlack});
    // Both lines are centred on the window; across its whole width a wider font than the
    // design's still shows them whole, at the same centre.
    for (ui::Label* label : {Label1, Label2}) {
        label->setAlignment(ui::Align::Center);
        label->setMiddle(true);
        label->setBounds(0, label->top(), clientWidth(), label->height());
        label->hide();
    }
    Button1->setFont(bigFont);
    Button2->setFont(bigFont);
    Button1->onClick = [this] { Button1Click(Button1); };
    Button2->onClick = [this] { Button2Click(); };
    setCancelButton(Button2);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

void TForm1::connect(TAboutBox& box) {
    m_box = &box;
    box.connect(*this);
}

// A missing entry ends the binding silently; the window stays, and Start only beeps.
bool TForm1::bindController() {
    platform::Host& h = platform::host();
    m_pl.hm = h.loadLibrary(padlink::libraryName);
    logf(" LoadLibrary( padlink.dll )=%p \n", reinterpret_cast<void*>(m_pl.hm));
    if (!m_pl.hm) {
        h.beep(2000, 100);
        h.beep(2000, 100);
        return false;
    }
    if (!bindEntry(m_pl.hm, m_pl.ofp, "OpenPadlink") || !bindEntry(m_pl.hm, m_pl.wfp, "WriteTP") ||
        !bindEntry(m_pl.hm, m_pl.rfp, "ReadTP") ||
        !bindEntry(m_pl.hm, m_pl.cfp, "ClosePadlink") || !bindEntry(m_pl.hm, m_pl.idfp, "SetID")) {
        h.freeLibrary(m_pl.hm);
        m_pl = Padlink{&exchangeStyle};
        return false;
    }
    if (sal_f)
        m_pl.idfp(0, 0xA200, 0);
    const int opened = m_pl.ofp();
    logf(" ofp()=%d, sal_f=%d \n", opened, sal_f);
    if (opened != 0 && !dbg_f) {
        closeusb(m_pl);
        h.messageBox("No touch device found!", "Tormalin Touch Calibrator3", platform::boxOk);
        return false;
    }
    return true;
}

void TForm1::FormShow1() {
    logf(" in FormShow at %lu \n", static_cast<unsigned long>(platform::host().tickCount()));
    const std::vector<platform::Monitor> monitors = ui::screen().monitors();
    const int idx = chooseMonitor(monitors, snd_f);
    snd_f = idx;
    const platform::Monitor m = monitorAt(monitors, idx);
    setBounds(m.left + (m.width - width()) / 2, m.top + (m.height - height()) / 2, width(),
              height());
    logf(" snd_f=%d \n", snd_f);
    Label1->hide();
    Label2->hide();
    if (auto_f) {
        Button1->hide();
        Label1->show();
        Label2->show();
        Timer1->setEnabled(true);
    }
    logf(" snd_f=%d, idx=%d, scrleft=%d, scrwidth=%d, width=%d, left=%d \n", snd_f, idx, m.left,
         m.width, width(), left());
}

void TForm1::Timer1Timer() {
    Timer1->setEnabled(false);
    if (imm_f)
        hide();
    Button1->show();
    if (auto_f)
        Button1Click(Timer1);
    Button1->setEnabled(true);
    // Refused in immediate mode: no window is left to show, so nothing else would end it.
    if (imm_f && m_box && !m_box->visible())
        close();
}

void TForm1::Button2Click() { close(); }

void TForm1::enableMain() { setEnabled(true); }

void TForm1::restoreMain() {
    setEnabled(true);
    Button1->setEnabled(true);
    show();
    setFocus();
    platform::host().showCursor(true);
}

void TForm1::endProgram() { close(); }

void TForm1::restart() { Button1Click(nullptr); }

}  // namespace touchcal
