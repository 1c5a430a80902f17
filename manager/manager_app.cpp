#include "manager/manager_app.h"

#include <optional>

#include "manager/main_form.h"
#include "manager/splash_form.h"

int runManager(ui::Mode mode)
{
    std::optional<ui::Application> app;
    try {
        app.emplace(mode);
        app->setTitle("Tormalin USB Touch Manager");
        TForm2 splash;
        splashForm = &splash;
        splash.show();
        app->processMessages();
        app->createForm<TForm1>();
        app->run();
        splashForm = nullptr;
    } catch (const ui::Exception& e) {
        splashForm = nullptr;
        if (app)
            app->showException(e);
    } catch (...) {
        splashForm = nullptr;
        if (app)
            app->showException(ui::Exception("???"));
    }
    return 0;
}
