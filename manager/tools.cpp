// The programs the manager starts: the calibrator and the edge tool for one slot, the
// help text, and the driver install script, whose end it watches through a token file.
#include <cstdio>
#include <string>

#include "common/debug_log.h"
#include "common/families.h"
#include "manager/flags.h"
#include "manager/main_form.h"
#include "manager/window_helpers.h"
#include "manager/startup.h"
#include "platform/host.h"

namespace touchman {

namespace {

const char* const helpFile = "mgrguide.txt";
const char* const installScript = "inst2.bat";
const char* const tokenFile = "tormalin.tok";
constexpr int installWaits = 40;  // of 500 ms each
const char* const installQuestion =
    "Do you want to install the secondary touch screen driver? \nIf you are not sure, press No.";

void cantFind(const char* file) {
    platform::Host& h = platform::host();
    h.messageBox("Can't find " + h.currentDirectory() + "\\" + file, managerTitle,
                 platform::boxOk);
}

// The program and its first flag, then the slot's family, its display and debug mode.
std::string toolCommand(const char* program, long pid, int rs, bool debug) {
    std::string command = program;
    if (isSecondary(pid))
        command += " -8";
    if (rs)
        command += " -2";
    if (debug)
        command += " -d";
    return command;
}

}  // namespace

void TForm1::wireTools() {
    Button5->onClick = [this] { Button5Click(); };
    BitBtn1->onClick = [this] { BitBtn1Click(); };
    Button12->onClick = [this] { Button12Click(); };
    BitBtn3->onClick = [this] { BitBtn3Click(); };
    BitBtn17->onClick = [this] { BitBtn17Click(); };
    Button4->onClick = [this] { Button4Click(); };
    BitBtn4->onClick = [this] { BitBtn4Click(); };
    Button1->onClick = [this] { Button1Click(); };
    Button10->onClick = [this] { Button10Click(); };
    Button6->onClick = [this] { Button6Click(); };
    Button9->onClick = [this] { Button9Click(); };
    Button8->onClick = [this] { Button8Click(); };
    Button11->onClick = [this] { Button11Click(); };
    BitBtn2->onClick = [this] { BitBtn2Click(); };
}

void TForm1::startTool(const char* handler, int slot, const char* program) {
    platform::Host& h = platform::host();
    logf(" in %s, pid[%d]=%lx \n", handler, slot, m_pid[slot]);
    if (m_pid[slot] == 0) {
        h.beep(500, 500);
        return;
    }
    h.run(toolCommand(program, m_pid[slot], m_rs[slot], dbg_f != 0), platform::showShow);
}

void TForm1::Button1Click() { startTool("Button1Click", 0, "touchcal.exe -i"); }
void TForm1::Button10Click() { startTool("Button10Click", 1, "touchcal.exe -i"); }
void TForm1::Button6Click() { startTool("Button6Click", 0, "touchacc.exe"); }
void TForm1::Button9Click() { startTool("Button9Click", 1, "touchacc.exe"); }

void TForm1::Button8Click() {
    platform::Host& h = platform::host();
    if (!h.fileExists(helpFile)) {
        cantFind(helpFile);
        return;
    }
    h.run(std::string("notepad.exe ") + helpFile, platform::showShow);
}

void TForm1::showWaitWindow() {
    if (!m_splash)
        return;
    m_splash->show();
    m_splash->setFocus();
    m_splash->repaint();
    pumpMessages();
}

// The user is asked first, so that nothing is installed behind their back.
void TForm1::Button11Click() {
    platform::Host& h = platform::host();
    Button11->setEnabled(false);
    BitBtn2->setEnabled(false);
    Button11->setEnabled(true);
    BitBtn2->setEnabled(true);
    if (!h.fileExists(installScript)) {
        cantFind(installScript);
        return;
    }
    if (h.messageBox(installQuestion, managerTitle, platform::boxYesNo) != platform::answerYes)
        return;
    if (platform::File f = h.openFile(tokenFile, "w"))
        std::fputs(" --- \n", f.get());
    Button11->setEnabled(false);
    BitBtn2->setEnabled(false);
    h.run(installScript, platform::showNormal);
    for (int i = 0; i < installWaits; ++i) {
        h.pause(500);
        if (!h.fileExists(tokenFile))
            break;
        showWaitWindow();
    }
    showWaitWindow();
    Button11->setEnabled(true);
    BitBtn2->setEnabled(true);
}

void TForm1::BitBtn2Click() {
    Button11Click();
    if (m_splash)
        m_splash->hide();
    pumpMessages();
}

}  // namespace touchman
