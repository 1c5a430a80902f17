#include "common/program_entry.h"

#include <optional>

#include "ui/exception.h"

namespace {

void showError(std::optional<ui::Application>& app, const char* title, const std::exception& e) {
    if (app)
        app->showException(e);
    else
        ui::showErrorBox(e, title);
}

}  // namespace

int runProgram(ui::Mode mode, const char* title, const char* unknownText,
               const std::function<void(ui::Application&)>& body) {
    std::optional<ui::Application> app;
    try {
        app.emplace(mode);
        app->setTitle(title);
        body(*app);
    } catch (const ui::Exception& e) {
        showError(app, title, e);
    } catch (...) {
        showError(app, title, ui::Exception(unknownText));
    }
    return 0;
}

void endMainWindow(Padlink& pl) {
    platform::Host& h = platform::host();
    h.beep(1000, 100);
    closeusb(pl);
    closeLog();
    h.beep(2000, 100);
}
