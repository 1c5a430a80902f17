// The demo program: the framework's application object around the demo form.
#include "tests/e2e/programs/uidemo/demo_form.h"

int main() {
    ui::Application app;
    app.setTitle("Kit UI Demo");
    try {
        app.createForm<TDemoForm>();
        app.run();
    } catch (const std::exception& e) {
        app.showException(e);
    }
    return 0;
}
