#include "manager/splash_form.h"

namespace touchman {

TForm2::TForm2() : ui::Form("TForm2") {
    setCaption(" Tormalin USB Dual Touch Manager");
    setBorderStyle(ui::BorderStyle::Single);
    setBorderIcons(0);
    setClientSize(516, 160);
    setCentered(true);
    Label1->setFontColor(ui::clMaroon);
    Label1->setFontHeight(30);
    // The line takes its width from the screen's font; centred, it stays whole.
    Label1->setAutoSize(true);
    Label1->setLeft((clientWidth() - Label1->width()) / 2);
}

}  // namespace touchman
