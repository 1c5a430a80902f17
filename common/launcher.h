#pragma once
// The calibrator auto-launcher "longtap.exe": the window the manager and the hook library
// look for, and the messages they post to it.
#include <cstdint>

constexpr const char* launcherProgram = "longtap.exe";
constexpr const char* launcherClass = "TForm1";
constexpr const char* launcherTitle = " Tormalin USB Touch Calibrator Auto Launcher  v1.00";
// Older launchers carry a build number; only the hook library still looks for them.
constexpr const char* launcherTitleOld = " Tormalin USB Touch Calibrator Auto Launcher  v1.00.8";

// Posted, never sent; wParam is always hookWParam.
constexpr unsigned msgOpenHook = 1124;   // install the long-press hook
constexpr unsigned msgCloseHook = 1224;  // remove it
constexpr unsigned msgLongPress = 1324;  // lParam: the cursor's x at the release
constexpr std::uintptr_t hookWParam = 4660;
