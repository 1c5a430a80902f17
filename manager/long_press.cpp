// The long-press options: Touch_to_RightButton and Touch_to_Calibrate, their delays and
// controls, and the step of Apply that rewrites the settings files and has the launcher
// reinstall its hook.
#include <cstdio>
#include <initializer_list>
#include <string>

#include "common/debug_log.h"
#include "common/launcher.h"
#include "common/longpress_file.h"
#include "manager/edit_rules.h"
#include "manager/main_form.h"
#include "manager/window_helpers.h"
#include "platform/host.h"

namespace touchman {

namespace {

// The number of characters written, 0 when the file cannot be made.
int writeLine(const char* path, const std::string& line) {
    platform::File f = platform::host().openFile(path, "w");
    return f ? std::fprintf(f.get(), "%s", line.c_str()) : 0;
}

}  // namespace

void TForm1::wireLongPress() {
    CheckBox3->onClick = [this] { CheckBox3Click(); };
    CheckBox4->onClick = [this] { CheckBox4Click(); };
    CheckBox8->onClick = [this] { CheckBox8Click(); };
    Edit4->onChange = [this] { Edit4Change(); };
    Edit5->onChange = [this] { Edit5Change(); };
    UpDown5->onClick = [this](int arrow) { UpDown5Click(arrow); };
    UpDown6->onClick = [this](int arrow) { UpDown6Click(arrow); };
    UpDown9->onClick = [this](int arrow) { UpDown9Click(arrow); };
}

// Touch_to_Calibrate always starts off, whatever the file holds.
void TForm1::loadDelays() {
    LongPressDelays d;
    if (platform::File f = platform::host().openFile(longPressLocalFile, "r"))
        scanDelays(f.get(), d);
    d = managerRange(d);
    m_actm = 0;
    m_abtm = d.dlz;
    logf(" m_actm=%d, m_abtm=%d \n", 0, m_abtm);
}

void TForm1::CheckBox3Click() {
    if (!CheckBox1->checked() && !CheckBox7->checked())
        return;
    const bool on = CheckBox3->checked();
    enable({Label2, Label3, UpDown6, UpDown9, Edit4, Edit9}, on);
    m_abtm = on ? (m_abtm ? m_abtm : 2) : 0;
    Edit4->setText(std::to_string(m_abtm));
    Edit9->setText(std::to_string(m_abtm));
    UpDown6->setPosition(m_abtm);
    UpDown9->setPosition(m_abtm);
    if (m_abtm > 0 || m_actm > 0) {
        enable({RadioButton2, RadioButton3}, false);
        RadioButton1->setChecked(true);
        enable({RadioButton5, RadioButton6}, false);
        RadioButton4->setChecked(true);
    } else {
        enable({RadioButton2, RadioButton3, RadioButton5, RadioButton6}, true);
    }
}

// Unlike Touch_to_RightButton, no mode is selected here.
void TForm1::CheckBox4Click() {
    if (!CheckBox1->checked() && !CheckBox7->checked())
        return;
    const bool on = CheckBox4->checked();
    enable({Label8, Label9, UpDown5, Edit5}, on);
    m_actm = on ? (m_actm ? m_actm : 5) : 0;
    Edit5->setText(std::to_string(m_actm));
    UpDown5->setPosition(m_actm);
    enable({RadioButton2, RadioButton3, RadioButton5, RadioButton6}, m_actm <= 0 && m_abtm <= 0);
}

void TForm1::CheckBox8Click() {
    CheckBox3->setChecked(CheckBox8->checked());
    Label13->setEnabled(CheckBox8->checked());
    CheckBox3Click();
}

// A typed delay out of range switches the option off but leaves its box checked.
void TForm1::delayEditChange(ui::Edit* edit, int& delay, int fallback, int min, int max) {
    delay = intValueOr(edit->text(), fallback);
    if (delay < min || delay > max)
        delay = 0;
    edit->setText(std::to_string(delay));
    if (delay > 0 && RadioButton3->checked()) {
        RadioButton2->setEnabled(false);
        if (RadioButton5->checked())
            RadioButton4->setChecked(true);
        RadioButton5->setEnabled(false);
    }
}

void TForm1::Edit4Change() {
    delayEditChange(Edit4, m_abtm, 2, 1, 3);
    Edit9->setText(std::to_string(m_abtm));
}

void TForm1::Edit5Change() { delayEditChange(Edit5, m_actm, 5, 3, 15); }

void TForm1::UpDown5Click(int arrow) {
    logf(" dots.ud5: btntype=%d, position=%d \n", arrow, UpDown5->position());
    Edit5->setText(std::to_string(UpDown5->position()));
}

void TForm1::UpDown6Click(int arrow) {
    logf(" dots.ud6: btntype=%d, position=%d \n", arrow, UpDown6->position());
    Edit4->setText(std::to_string(UpDown6->position()));
    Edit9->setText(std::to_string(UpDown6->position()));
}

void TForm1::UpDown9Click(int arrow) {
    UpDown6->setPosition(UpDown9->position());
    UpDown6Click(arrow);
}

// The hook library reads only "c:\longtap.ini"; the local file is what the next start of
// the manager reads back.
void TForm1::applyLongPress() {
    platform::Host& h = platform::host();
    platform::WindowRef hi = h.findWindow(launcherClass, launcherTitle);
    if (!hi) {
        std::string command = launcherProgram;
        if (logIsOpen())
            command += " -v";
        logf(" WinExec.ss=%s \n", command.c_str());
        h.run(command, platform::showHidden);
        h.pause(2000);
        hi = h.findWindow(launcherClass, launcherTitle);
    }
    logf(" hi=%p, m_actm=%d, m_abtm=%d, m_pid=%lx,%lx \n", reinterpret_cast<void*>(hi), m_actm,
         m_abtm, m_pid[0], m_pid[1]);
    enable({Button5, BitBtn1}, false);

    int posted = 0;
    if (hi) {
        posted = h.postMessage(hi, msgCloseHook, hookWParam, 0) ? 1 : 0;
        h.pause(300);
    } else {
        h.beep(500, 300);
        h.beep(800, 300);
    }
    logf(" %p postmsg close hook=%d \n", reinterpret_cast<void*>(hi), posted);

    const std::string line = longPressLine({m_actm, m_abtm}, m_pid[0], m_pid[1]);
    logf(" write longtap.ini rv=%d \n", writeLine(longPressLocalFile, line));
    logf(" write c:\\longtap.ini rv=%d \n", writeLine(longPressFile, line));

    posted = 0;
    if (hi && (m_actm || m_abtm))
        posted = h.postMessage(hi, msgOpenHook, hookWParam, 0) ? 1 : 0;
    logf(" %p postmsg open hook=%d \n", reinterpret_cast<void*>(hi), posted);
}

}  // namespace touchman
