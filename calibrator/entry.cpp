#include "calibrator/entry.h"

#include <ctime>

#include "calibrator/about_box.h"
#include "calibrator/cal_form.h"
#include "calibrator/flags.h"
#include "common/debug_log.h"
#include "common/flags.h"
#include "common/program_entry.h"
#include "platform/host.h"

namespace touchcal {

int dbg_f = 0;
int top_f = 0;
int auto_f = 0;
int date_f = 0;
int sal_f = 0;
int snd_f = 0;
int imm_f = 0;

void readFlags(const char* commandLine) {
    dbg_f = hasFlag(commandLine, "-d");
    top_f = hasFlag(commandLine, "-t");
    auto_f = hasFlag(commandLine, "-s");
    date_f = hasFlag(commandLine, "-f");
    sal_f = hasFlag(commandLine, "-8");
    snd_f = hasFlag(commandLine, "-2");
    imm_f = hasFlag(commandLine, "-i");
}

int touchcalMain(const EntryArgs& args, ui::Mode mode) {
    platform::Host& h = platform::host();
    // The installer and the launcher start the calibrator often; one run at a time.
    if (const platform::WindowRef running = h.findWindow("TApplication", appTitle)) {
        h.bringForward(running);
        h.beep(1000, 100);
        return 0;
    }
    readFlags(args.commandLine);
    const std::time_t started = h.now();
    openLog(logPath, "w");
    logf(" ----------- 940623,970415 ------------- %s", h.ctimeText(started).c_str());
    logf(" touchcal3, cmd=%s \n", args.commandLine);

    const int code = runProgram(mode, appTitle, "940623", [](ui::Application& app) {
        if (imm_f)
            app.setShowMainForm(false);
        TForm1* main = app.createForm<TForm1>();
        TAboutBox* box = app.createForm<TAboutBox>();
        main->connect(*box);
        if (top_f)
            app.makeTopmost();
        // Immediate mode shows no window of its own: with nothing to calibrate it would be
        // left running unseen.
        if (imm_f && main->endedEarly())
            return;
        app.run();
    });
    closeLog();
    return code;
}

}  // namespace touchcal
