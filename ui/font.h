#pragma once
// A control's font: face name, character height in pixels, weight and colour.
#include <string>

#include "ui/color.h"

namespace ui {

struct Font {
    std::string name = "MS Sans Serif";
    int height = 13;
    bool bold = false;
    Color color = clWindowText;

    bool operator==(const Font& o) const {
        return name == o.name && height == o.height && bold == o.bold && color == o.color;
    }
    bool operator!=(const Font& o) const { return !(*this == o); }
};

struct Size {
    int width = 0;
    int height = 0;
};

}  // namespace ui
