#pragma once
// TForm2, the "Detecting USB touch devices..." window shown while the controllers are
// read (and while the driver install runs).
#include "ui.h"

class TForm2 : public ui::Form {
public:
    TForm2();

    ui::Label* Label1 = add<ui::Label>(this, "Label1", 53, 54, 410, 36,
                                       "Detecting USB touch devices...");
};

// The splash window of this run, made before the main window; null when there is none.
extern TForm2* splashForm;
