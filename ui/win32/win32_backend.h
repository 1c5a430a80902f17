#pragma once
// The backend that gives the model real Win32 windows (win32 build only).
#include <memory>

#include "ui/backend.h"

namespace ui {

std::unique_ptr<Backend> makeWin32Backend();

}  // namespace ui
