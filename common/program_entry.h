#pragma once
// The frame of a window program's entry and of its main window's end.
#include <functional>

#include "common/exchange.h"
#include "ui/application.h"

// Creates the framework's application object with `title` and runs `body` (which creates
// the forms and runs the message loop). Any exception on the way, the application object's
// own included, ends in the framework's error box; one that is not the framework's shows
// `unknownText`. The exit code: 0.
int runProgram(ui::Mode mode, const char* title, const char* unknownText,
               const std::function<void(ui::Application&)>& body);

// The end of a main window: a high beep, the library released, the log's last line, a
// higher beep.
void endMainWindow(Padlink& pl);
