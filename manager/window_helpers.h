#pragma once
// Small steps the manager's window code takes in many handlers.
#include <initializer_list>

#include "ui/ui.h"

namespace touchman {

inline void enable(std::initializer_list<ui::Control*> controls, bool on) {
    for (ui::Control* c : controls)
        c->setEnabled(on);
}

// Lets the window messages waiting now run, as during the long waits of start-up.
inline void pumpMessages() {
    if (ui::Application* app = ui::Application::current())
        app->processMessages();
}

}  // namespace touchman
