#pragma once
// The edge tool's program entry, apart from WinMain so that tests can run it headless.
#include "common/entry_args.h"
#include "ui/application.h"

namespace touchacc {

constexpr const char* appTitle = "Tormalin USB Touch Acceleration Tool";
constexpr const char* logPath = "\\touchacc.log";

// Runs the tool until its window closes; the exit code, 0 in every case.
int touchaccMain(const EntryArgs& args, ui::Mode mode = ui::defaultMode);

}  // namespace touchacc
