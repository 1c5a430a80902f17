// The steps of the main window's construction: caption, monitor survey, the order in
// which the controllers are read, the layout and the edge check boxes.
#include <cstdio>
#include <string>

#include "common/debug_log.h"
#include "manager/main_form.h"
#include "manager/settings_model.h"
#include "platform/host.h"

void loadCaption(ui::Form& window, const char* name)
{
    if (std::FILE* f = platform::host().openFile(name, "r")) {
        char line[256];
        if (std::fgets(line, 255, f)) {
            std::string text;
            for (const char* c = line; *c >= 0x20 && *c <= 0x7E; ++c)
                text += *c;
            window.setCaption(text);
        }
        std::fclose(f);
    }
    logf(" caption=%s \n", window.caption().c_str());
}

std::string dateStamp()
{
    platform::Host& h = platform::host();
    std::time_t modified = 0;
    // Started from elsewhere, the program's own file tells its date.
    if (!h.fileTime("touchman.exe", modified) && !h.fileTime(h.programPath(), modified))
        return {};
    const std::string t = h.ctimeText(modified);  // "Mon Jan 05 09:07:03 2015\n"
    return t.substr(8, 2) + t.substr(4, 3) + t.substr(11, 2) + t.substr(14, 2);
}

void TForm1::surveyMonitors()
{
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

int TForm1::readControllers()
{
    // A family's second identifier is tried only when the first one could not be read;
    // its log line is written either way.
    auto family = [this](const char* tag, long first, long second) {
        int r = getPage(*this, first);
        logf(" %s.%lx=%d \n", tag, first, r);
        if (r != 0)
            r = getPage(*this, second);
        logf(" %s.%lx=%d \n", tag, second, r);
        return r;
    };
    // With the panels swapped on two monitors, the secondary controller takes slot 0.
    if (ui::screen().monitorCount() >= 2 && m_swapTch) {
        family("getpage1", 0xA200, 0xAA00);
        return family("getpage1", 0xA000, 0xA800);
    }
    family("getpage2", 0xA000, 0xA800);
    return family("getpage2", 0xA200, 0xAA00);
}

void TForm1::layOut()
{
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

void TForm1::setEdgeBoxes()
{
    logf(" m_acc=%x, %x \n", static_cast<unsigned>(m_acc[0]), static_cast<unsigned>(m_acc[1]));
    for (int s = 0; s < 2; ++s) {
        TouchPage& pg = m_page[s];
        pg.edgeLeft->setChecked((m_acc[s] & 0x08) != 0);
        pg.edgeRight->setChecked((m_acc[s] & 0x10) != 0);
        pg.edgeTop->setChecked((m_acc[s] & 0x02) != 0);
        pg.edgeBottom->setChecked((m_acc[s] & 0x04) != 0);
    }
}
