// The window's handlers: show with its placement, the edit, up-down and check box rules,
// and the four buttons.
#include <string>
#include <vector>

#include "common/debug_log.h"
#include "edgetool/edge_form.h"
#include "edgetool/edit_value.h"
#include "edgetool/flags.h"
#include "platform/host.h"

namespace touchacc {

// The flag stays as the command line gave it, so "Default" places the window on the
// display the start chose.
void TForm1::place() {
    const std::vector<platform::Monitor> monitors = ui::screen().monitors();
    std::size_t idx = 0;
    if (monitors.size() >= 2) {
        for (std::size_t i = 0; i < monitors.size(); ++i) {
            if (monitors[i].primary != (snd_f != 0)) {
                idx = i;
                break;
            }
        }
    }
    if (!monitors.empty()) {
        const platform::Monitor& m = monitors[idx];
        setBounds(m.left + (m.width - width()) / 2, m.top + (m.height - height()) / 2, width(),
                  height());
    }
    logf(" snd_f=%d, idx=%d, Top=%d, Left=%d \n", snd_f, static_cast<int>(idx), top(), left());
}

void TForm1::FormShow() {
    place();
    // A box that becomes checked runs its click handler, which adds edgeAny.
    const std::int32_t enabled = m_enabled;
    CheckBox1->setChecked(enabled & edgeLeftOn);
    CheckBox2->setChecked(enabled & edgeRightOn);
    CheckBox3->setChecked(enabled & edgeTopOn);
    CheckBox4->setChecked(enabled & edgeBottomOn);
    for (const Row& row : m_rows) {
        const std::int32_t value = *row.value;
        row.edit->setText(std::to_string(value));
        row.upDown->setPosition(value);
    }
}

void TForm1::editChange(const Row& row) {
    const int value = editValue(row.edit->text());
    *row.value = value;
    row.edit->setText(std::to_string(value));
    row.upDown->setPosition(value);
}

void TForm1::checkBoxClick(const ui::CheckBox& box, std::int32_t bit) {
    m_enabled = switchEdge(m_enabled, bit, box.checked());
}

void TForm1::Button1Click() {
    Button3Click();
    close();
}

void TForm1::Button2Click() { close(); }

// Both commands are built and the pause kept even when nothing is bound; no reply is read.
void TForm1::Button3Click() {
    platform::Host& h = platform::host();
    Button3->setEnabled(false);
    h.beep(1000, 100);
    logf(" m_enabled=%lx \n", static_cast<long>(m_enabled));
    m_enabled = sentMask(m_enabled);
    sendEdge(m_pl, m_enabled, m_margin);
    h.pause(commandWaitMs);
    sendComp(m_pl, m_comp);
    Button3->setEnabled(true);
}

void TForm1::Button4Click() {
    setDefaults();
    FormShow();
}

}  // namespace touchacc
