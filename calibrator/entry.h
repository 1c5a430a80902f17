#pragma once
// The calibrator's program entry, apart from WinMain so that tests can run it headless.
#include "common/entry_args.h"
#include "ui/application.h"

namespace touchcal {

// The application title, which a second start looks for.
constexpr const char* appTitle = "Tormalin Touch Screen Calibrator";
constexpr const char* logPath = "\\touchcal.log";

// Runs the calibrator until its main window closes; the exit code, 0 in every case.
int touchcalMain(const EntryArgs& args, ui::Mode mode = ui::defaultMode);

}  // namespace touchcal
