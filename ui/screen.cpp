#include "ui/screen.h"

#include "ui/backend.h"

namespace ui {

std::vector<platform::Monitor> Screen::monitors() const { return platform::host().monitors(); }

int Screen::pixelsPerInch() const { return backend().pixelsPerInch(); }

Screen& screen() {
    static Screen s;
    return s;
}

}  // namespace ui
