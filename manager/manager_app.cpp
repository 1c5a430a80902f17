#include "manager/manager_app.h"

#include "common/program_entry.h"
#include "manager/main_form.h"
#include "manager/splash_form.h"

namespace touchman {

int runManager(ui::Mode mode) {
    return runProgram(mode, "Tormalin USB Touch Manager", "???", [](ui::Application& app) {
        TForm2 splash;
        splash.show();
        app.processMessages();
        app.createForm<TForm1>(&splash);
        app.run();
    });
}

}  // namespace touchman
