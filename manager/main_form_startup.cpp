// The steps of the main window's construction: caption, monitor survey, the order in
// which the controllers are read, the layout and the edge check boxes.
#include <initializer_list>
#include <string>

#include "common/caption_file.h"
#include "common/debug_log.h"
#include "common/families.h"
#include "manager/flags.h"
#include "manager/main_form.h"
#include "manager/settings_model.h"
#include "platform/host.h"

namespace touchman {

namespace {

// The log lines that differ between the two slots.
struct SlotText {
    const char* version;
    const char* beep;
};
const SlotText slotText[2] = {
    {" 1st=%s \n", " buzr=%u, freq=%u, dura=%u, acc1=%u \n"},
    {" 2nd=%s \n", " buzr2=%u, freq2=%u, dura2=%u, acc2=%u \n"},
};

}  // namespace

void loadCaption(ui::Form& window, const char* name) {
    if (const std::optional<std::string> text = captionLine(name))
        window.setCaption(*text);
    logf(" caption=%s \n", window.caption().c_str());
}

void TForm1::surveyMonitors() {
    const std::vector<platform::Monitor> monitors = ui::screen().monitors();
    logf(" MonitorCount=%d \n", static_cast<int>(monitors.size()));
    int primary = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const platform::Monitor& m = monitors[i];
        logf(" i=%d, top=%d, left=%d, w=%d, h=%d, primary=%d \n", static_cast<int>(i), m.top,
             m.left, m.width, m.height, m.primary ? 1 : 0);
        if (m.primary) {
            w0 = m.width;
            h0 = m.height;
            primary = static_cast<int>(i);
        } else {
            w1 = m.width;
            h1 = m.height;
            xleft = m.left;
            ytop = m.top;
        }
    }
    logf(" primary j=%d \n", primary);
}

int TForm1::readControllers() {
    // A family's second identifier is tried only when the first one could not be read;
    // its log line is written either way.
    auto family = [this](const char* tag, const std::array<long, 2>& pids) {
        int r = takePage(pids[0]);
        logf(" %s.%lx=%d \n", tag, pids[0], r);
        if (r != 0)
            r = takePage(pids[1]);
        logf(" %s.%lx=%d \n", tag, pids[1], r);
        return r;
    };
    // With the panels swapped on two monitors, the secondary controller takes slot 0.
    if (ui::screen().monitorCount() >= 2 && m_swapTch) {
        family("getpage1", secondaryFamily);
        return family("getpage1", primaryFamily);
    }
    family("getpage2", primaryFamily);
    return family("getpage2", secondaryFamily);
}

int TForm1::takePage(long pid) {
    PageRead page;
    const int r = getPage(m_link, pid, m_tchCnt, m_swapTch, page);
    if (r == 0)
        showPage(page);
    return r;
}

void TForm1::showPage(const PageRead& page) {
    const int s = m_tchCnt;
    m_pid[s] = page.pid;
    m_rs[s] = page.rs;
    vn[s] = page.vn;
    m_margins[s] = page.margins;
    m_comps[s] = page.comps;
    if (page.secondaryWithoutDriver)
        nodrv2_f = 1;
    if (isPlainModel(page.pid)) {
        CheckBox4->setEnabled(false);
        UpDown5->setEnabled(false);
        Edit5->setEnabled(false);
        m_actm = 0;
        m_noTouchCal = 1;
    }

    TouchPage& pg = m_page[s];
    pg.firmware->setCaption(pg.firmware->caption() + page.version);
    logf(slotText[s].version, pg.firmware->caption().c_str());
    const TouchSettings& t = m_touch[s] = page.touch;
    m_acc[s] = page.acc;
    logf(slotText[s].beep, static_cast<unsigned>(t.buzr), static_cast<unsigned>(t.freq),
         static_cast<unsigned>(t.dura), static_cast<unsigned>(m_acc[s]));
    if (hasSuspendMode(page.vn)) {
        for (ui::Control* c : std::initializer_list<ui::Control*>{
                 pg.suspend, pg.startupGroup, pg.startupEdit, pg.startupUpDown})
            c->show();
        pg.suspend->setChecked(page.suspend != 0);
        pg.startupUpDown->setPosition(page.startup);
        pg.startupEdit->setText(std::to_string(page.startup));
    }
    if (s == 1) {
        if (page.nodrv == 0) {
            Button11->setEnabled(false);
            BitBtn2->setEnabled(false);
        }
        Button12->setEnabled(true);
        BitBtn3->setEnabled(true);
        BitBtn17->setEnabled(true);
    }
    ++m_tchCnt;
}

PageWrite TForm1::pageToWrite(int slot) const {
    const TouchPage& pg = m_page[slot];
    PageWrite page;
    page.slot = slot;
    page.touch = m_touch[slot];
    page.acc = m_acc[slot];
    page.edgeLeft = pg.edgeLeft->checked();
    page.edgeRight = pg.edgeRight->checked();
    page.edgeTop = pg.edgeTop->checked();
    page.edgeBottom = pg.edgeBottom->checked();
    page.margins = m_margins[slot];
    page.comps = m_comps[slot];
    page.suspend = pg.suspend->checked();
    page.startup = pg.startupUpDown->position();
    return page;
}

void TForm1::layOut() {
    PageControl1->setTabWidth(PageControl1->width() / 4 - 3);
    Image3->setLeft(GroupBox5->left());
    Image1->setLeft(PageControl1->left() + PageControl1->width() - Image1->width() + 10);
    const int image3Right = Image3->left() + Image3->width();
    const int gap = Image1->left() - image3Right;
    if (gap < Image2->width()) {
        Image2->setWidth(gap - 6);
        Image2->setLeft(image3Right + 3);
    } else {
        Image2->setLeft(image3Right + (gap - Image2->width()) / 2);
    }
}

void TForm1::setEdgeBoxes() {
    logf(" m_acc=%x, %x \n", static_cast<unsigned>(m_acc[0]), static_cast<unsigned>(m_acc[1]));
    for (int s = 0; s < 2; ++s) {
        TouchPage& pg = m_page[s];
        pg.edgeLeft->setChecked((m_acc[s] & 0x08) != 0);
        pg.edgeRight->setChecked((m_acc[s] & 0x10) != 0);
        pg.edgeTop->setChecked((m_acc[s] & 0x02) != 0);
        pg.edgeBottom->setChecked((m_acc[s] & 0x04) != 0);
    }
}

}  // namespace touchman
