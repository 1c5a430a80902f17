#pragma once
// TForm2, the "Detecting USB touch devices..." window shown while the controllers are
// read (and while the driver install runs).
#include "ui/ui.h"

namespace touchman {

class TForm2 : public ui::Form {
public:
    TForm2();

    ui::Label* Label1 = add<ui::Label>(this, "Label1", 53, 54, 410, 36,
                                       "Detecting USB touch devices...");
};

}  // namespace touchman
