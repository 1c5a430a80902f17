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
void TForm1::place()
{
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

void TForm1::FormShow()
{
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

void TForm1::editChange(const Row& row)
{
    const int value = editValue(row.edit->text());
    *row.value = value;
    row.edit->setText(std::to_string(value));
    row.upDown->setPosition(value);
}

void TForm1::checkBoxClick(const ui::CheckBox& box, std::int32_t bit)
{
    if (box.checked())
        m_enabled |= bit | edgeAny;
    else
        m_enabled &= ~bit;
}

void TForm1::Button1Click()
{
    Button3Click();
    close();
}

void TForm1::Button2Click() { close(); }

// Both commands are built and the pause kept even when nothing is bound; no reply is read.
void TForm1::Button3Click()
{
    platform::Host& h = platform::host();
    Button3->setEnabled(false);
    h.beep(1000, 100);
    logf(" m_enabled=%lx \n", static_cast<long>(m_enabled));
    if (m_enabled < 2)
        m_enabled = 0;

    composeCommand("D1_setedge", {m_enabled, m_margin[edgeTop], m_margin[edgeBottom],
                                  m_margin[edgeLeft], m_margin[edgeRight]});
    sendComposed(m_pl);
    h.pause(commandWaitMs);
    composeCommand("D1_setca",
                   {m_comp[edgeTop], m_comp[edgeBottom], m_comp[edgeLeft], m_comp[edgeRight]});
    sendComposed(m_pl);
    Button3->setEnabled(true);
}

void TForm1::Button4Click()
{
    setDefaults();
    FormShow();
}

}  // namespace touchacc
