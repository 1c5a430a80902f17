#include "edgetool/entry.h"

#include "common/debug_log.h"
#include "common/flags.h"
#include "common/program_entry.h"
#include "edgetool/edge_form.h"
#include "edgetool/flags.h"

namespace touchacc {

int sal_f = 0;
int snd_f = 0;
int dbg_f = 0;

void readFlags(const char* commandLine) {
    sal_f = hasFlag(commandLine, "-8");
    snd_f = hasFlag(commandLine, "-2");
    dbg_f = hasFlag(commandLine, "-d");
}

int touchaccMain(const EntryArgs& args, ui::Mode mode) {
    openLog(logPath, "a+");
    logHeader("950116,101.8.3");
    logf(" hi=%p, hip=%p, num=%d, cp=%s \n", args.instance, args.prevInstance, args.show,
         args.commandLine);
    readFlags(args.commandLine);

    return runProgram(mode, appTitle, "950116", [](ui::Application& app) {
        app.createForm<TForm1>();
        app.run();
    });
}

}  // namespace touchacc
