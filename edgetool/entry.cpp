#include "edgetool/entry.h"

#include <exception>

#include "common/debug_log.h"
#include "edgetool/edge_form.h"
#include "edgetool/flags.h"
#include "ui/exception.h"

namespace touchacc {

int touchaccMain(const EntryArgs& args, ui::Mode mode)
{
    openLog(logPath, "a+");
    logHeader("950116,101.8.3");
    logf(" hi=%p, hip=%p, num=%d, cp=%s \n", args.instance, args.prevInstance, args.show,
         args.commandLine);
    readFlags(args.commandLine);

    ui::Application app(mode);
    try {
        app.setTitle(appTitle);
        app.createForm<TForm1>();
        app.run();
    } catch (const ui::Exception& e) {
        app.showException(e);
    } catch (...) {
        app.showException(ui::Exception("950116"));
    }
    return 0;
}

}  // namespace touchacc
