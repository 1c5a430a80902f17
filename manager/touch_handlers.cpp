// The editors of both touch tabs: navigation between the menu and the setting panels,
// "Enable Touch" and "Enable Touch Beep", the value edits with their up-downs, and the
// touch-mode buttons. No editor talks to a controller; Apply writes what they changed.
#include <initializer_list>
#include <string>

#include "common/debug_log.h"
#include "manager/edit_rules.h"
#include "manager/main_form.h"
#include "manager/window_helpers.h"

namespace touchman {

void TForm1::wireTouchPages() {
    for (TouchPage& pg : m_page) {
        for (int t = 0; t < topicCount; ++t) {
            ui::Panel* panel = pg.topicPanels[t];
            ui::Panel* menu = pg.menu;
            pg.topicButtons[t]->onClick = [panel, menu] {
                panel->show();
                menu->hide();
            };
            pg.returnButtons[t]->onClick = [panel, menu] {
                panel->hide();
                menu->show();
            };
        }
    }
    CheckBox1->onClick = [this] { CheckBox1Click(); };
    CheckBox7->onClick = [this] { CheckBox7Click(); };
    CheckBox6->onClick = [this] { CheckBox6Click(); };
    CheckBox5->onClick = [this] { CheckBox5Click(); };
    CheckBox2->onClick = [this] { CheckBox2Click(); };
    Edit1->onChange = [this] { Edit1Change(); };
    Edit2->onChange = [this] { Edit2Change(); };
    Edit3->onChange = [this] { Edit3Change(); };
    Edit6->onChange = [this] { Edit6Change(); };
    Edit7->onChange = [this] { Edit7Change(); };
    Edit8->onChange = [this] { Edit8Change(); };
    UpDown1->onClick = [this](int arrow) { UpDown1Click(arrow); };
    UpDown2->onClick = [this](int arrow) { UpDown2Click(arrow); };
    UpDown3->onClick = [this](int arrow) { UpDown3Click(arrow); };
    UpDown4->onClick = [this](int arrow) { UpDown4Click(arrow); };
    UpDown7->onClick = [this](int arrow) { UpDown7Click(arrow); };
    UpDown8->onClick = [this](int arrow) { UpDown8Click(arrow); };
    UpDown10->onClick = [this](int arrow) { UpDown10Click(arrow); };
    UpDown11->onClick = [this](int arrow) { UpDown11Click(arrow); };
    RadioButton1->onClick = [this] { RadioButton1Click(); };
    RadioButton2->onClick = [this] { RadioButton2Click(); };
    RadioButton3->onClick = [this] { RadioButton3Click(); };
    RadioButton4->onClick = [this] { RadioButton4Click(); };
    RadioButton5->onClick = [this] { RadioButton5Click(); };
    RadioButton6->onClick = [this] { RadioButton6Click(); };
}

void TForm1::CheckBox1Click() {
    const bool on = CheckBox1->checked();
    enable({Button1, Button5, BitBtn1, Button6, CheckBox3, CheckBox8, CheckBox4}, on);
    if (m_noTouchCal)
        CheckBox4->setEnabled(false);
    enable({CheckBox6, RadioButton1, RadioButton2, RadioButton3}, on);
    enable({Label1, Label4, Edit1, Edit2, UpDown1, UpDown2}, on && m_touch[0].buzr != 0);
    enable({Label5, Edit3, UpDown3}, on);
    enable({Label8, Label9, Edit5, UpDown5}, on && m_actm != 0);
    m_touch[0].enable = on ? m_touch[0].enable | 1 : m_touch[0].enable & ~1;
}

// Slot 1 leaves the long-press options and the cursor buttons alone.
void TForm1::CheckBox7Click() {
    const bool on = CheckBox7->checked();
    enable({Button10, Button9, CheckBox5, RadioButton4, RadioButton5, RadioButton6, Label10,
            Edit8, UpDown8},
           on);
    enable({Label7, Label6, Edit6, Edit7, UpDown4, UpDown7}, on && m_touch[1].buzr != 0);
    m_touch[1].enable = on ? m_touch[1].enable | 1 : m_touch[1].enable & ~1;
}

void TForm1::beepClick(int slot) {
    TouchPage& pg = m_page[slot];
    if (!pg.enableTouch->checked())
        return;
    const bool on = pg.beep->checked();
    enable({pg.freqLabel, pg.duraLabel, pg.freqEdit, pg.duraEdit, pg.freqUpDown, pg.duraUpDown},
           on);
    m_touch[slot].buzr = on ? 1 : 0;
}

void TForm1::CheckBox6Click() { beepClick(0); }
void TForm1::CheckBox5Click() { beepClick(1); }

void TForm1::CheckBox2Click() {
    m_touch[0].enable = CheckBox2->checked() ? m_touch[0].enable | 2 : m_touch[0].enable & ~2;
}

void TForm1::valueChange(ui::Edit* edit, std::int32_t& field, int fallback, int max,
                         ui::UpDown* upDown) {
    field = foldedValue(edit->text(), fallback, max);
    edit->setText(std::to_string(field));
    upDown->setPosition(field);
}

void TForm1::Edit1Change() { valueChange(Edit1, m_touch[0].freq, 20, 30, UpDown1); }
void TForm1::Edit2Change() { valueChange(Edit2, m_touch[0].dura, 200, 255, UpDown2); }
void TForm1::Edit3Change() { valueChange(Edit3, m_touch[0].dots, 6, 255, UpDown3); }
void TForm1::Edit6Change() { valueChange(Edit6, m_touch[1].freq, 20, 30, UpDown4); }
void TForm1::Edit7Change() { valueChange(Edit7, m_touch[1].dura, 200, 255, UpDown7); }
void TForm1::Edit8Change() { valueChange(Edit8, m_touch[1].dots, 6, 255, UpDown8); }

void TForm1::stepEdit(const char* logLine, ui::UpDown* upDown, ui::Edit* edit, int arrow) {
    if (logLine)
        logf(logLine, arrow, upDown->position());
    edit->setText(std::to_string(upDown->position()));
}

void TForm1::UpDown1Click(int arrow) {
    stepEdit(" freq.ud1: btntype=%d, position=%d \n", UpDown1, Edit1, arrow);
}
void TForm1::UpDown2Click(int arrow) {
    stepEdit(" dura.ud2: btntype=%d, position=%d \n", UpDown2, Edit2, arrow);
}
void TForm1::UpDown3Click(int arrow) {
    stepEdit(" dots.ud3: btntype=%d, position=%d \n", UpDown3, Edit3, arrow);
}
void TForm1::UpDown4Click(int arrow) {
    stepEdit(" freq.ud4: btntype=%d, position=%d \n", UpDown4, Edit6, arrow);
}
void TForm1::UpDown7Click(int arrow) {
    stepEdit(" dura.ud7: btntype=%d, position=%d \n", UpDown7, Edit7, arrow);
}
void TForm1::UpDown8Click(int arrow) {
    stepEdit(" dots.ud8: btntype=%d, position=%d \n", UpDown8, Edit8, arrow);
}
void TForm1::UpDown10Click(int arrow) { stepEdit(nullptr, UpDown10, Edit10, arrow); }
void TForm1::UpDown11Click(int arrow) { stepEdit(nullptr, UpDown11, Edit11, arrow); }

// Bits 3 to 7 of the mode are the firmware's own and stay.
void TForm1::setMode(int slot, int bit) {
    m_touch[slot].mbMode = (m_touch[slot].mbMode & ~7) | bit;
}

// Both long-press options need Mouse Emulation: the other modes switch them off and lock
// their boxes. Unchecking runs their handlers, which clear the delays.
void TForm1::lockLongPress() {
    for (ui::CheckBox* box : {CheckBox3, CheckBox8, CheckBox4}) {
        box->setChecked(false);
        box->setEnabled(false);
    }
}

void TForm1::clearDelays() {
    Edit5->setText("0");
    m_actm = 0;
    UpDown5->setPosition(0);
    Edit4->setText("0");
    Edit9->setText("0");
    m_abtm = 0;
    UpDown6->setPosition(0);
    UpDown9->setPosition(0);
}

void TForm1::RadioButton1Click() {
    setMode(0, 1);
    if (!RadioButton1->checked())
        return;
    CheckBox3->setEnabled(true);
    CheckBox8->setEnabled(true);
    CheckBox4->setEnabled(!m_noTouchCal);
}

void TForm1::RadioButton2Click() {
    setMode(0, 2);
    if (RadioButton2->checked())
        lockLongPress();
}

void TForm1::RadioButton3Click() {
    setMode(0, 4);
    if (RadioButton3->checked())
        lockLongPress();
    clearDelays();
}

void TForm1::RadioButton4Click() { setMode(1, 1); }

void TForm1::RadioButton5Click() {
    setMode(1, 2);
    if (RadioButton5->checked())
        lockLongPress();
}

void TForm1::RadioButton6Click() {
    setMode(1, 4);
    if (RadioButton6->checked())
        lockLongPress();
    clearDelays();
}

}  // namespace touchman
