// The main window's design: the window, the header pictures, the "General" group, the page
// control with its hidden "General" page, and the bottom row of buttons.
#include "manager/artwork.h"
#include "manager/main_form.h"

namespace touchman {

ui::UpDown* TForm1::ranged(ui::UpDown* u, int min, int max, int position) {
    u->setRange(min, max);
    u->setPosition(position);
    return u;
}

void TForm1::designWindow() {
    setCaption(" Tormalin USB Dual-Touch Manager   v1.01");
    setBorderStyle(ui::BorderStyle::Single);
    setBorderIcons(ui::biSystemMenu | ui::biMinimize);
    setClientSize(939, 589);
    setCentered(true);
    setColor(ui::clWhite);
    setFont(ui::Font{"MS Sans Serif", 13});

    Image3 = add<ui::Image>(this, "Image3", 8, 6, 190, 58);
    Image3->setPicture(headerPanel());
    Image3->hide();
    Image2 = add<ui::Image>(this, "Image2", 220, 6, 300, 58);
    Image2->setPicture(headerBanner());
    Image2->hide();
    Image1 = add<ui::Image>(this, "Image1", 620, 6, 300, 58);
    Image1->setPicture(headerMark());

    GroupBox5 = add<ui::GroupBox>(this, "GroupBox5", 8, 72, 198, 466, "General");
    BitBtn1 = add<ui::BitBtn>(GroupBox5, "BitBtn1", 14, 28, 170, 34, "Hide Cursor");
    BitBtn3 = add<ui::BitBtn>(GroupBox5, "BitBtn3", 14, 72, 170, 34, "Swap Touch");
    BitBtn3->setEnabled(false);
    BitBtn17 = add<ui::BitBtn>(GroupBox5, "BitBtn17", 14, 116, 170, 34, "Mirror Touch");
    BitBtn4 = add<ui::BitBtn>(GroupBox5, "BitBtn4", 14, 160, 170, 34, "Restore Defaults");
    BitBtn2 = add<ui::BitBtn>(GroupBox5, "BitBtn2", 14, 204, 170, 34, "2nd Touch Install");
    BitBtn2->hide();
    CheckBox8 = add<ui::CheckBox>(GroupBox5, "CheckBox8", 14, 262, 176, 20,
                                  "Touch_to_RightButton");
    Label13 = add<ui::Label>(GroupBox5, "Label13", 32, 293, 80, 16, "Time delay:");
    Edit9 = add<ui::Edit>(GroupBox5, "Edit9", 114, 290, 46, 21, "Edit9");
    UpDown9 = ranged(add<ui::UpDown>(GroupBox5, "UpDown9", 160, 290, 17, 21), 1, 3, 2);

    PageControl1 = add<ui::PageControl>(this, "PageControl1", 214, 72, 705, 466);
    PageControl1->setTabHeight(30);
    TabSheet1 = addSheet(PageControl1, "TabSheet1", "General");
    TabSheet2 = addSheet(PageControl1, "TabSheet2", "1st Touch");
    TabSheet3 = addSheet(PageControl1, "TabSheet3", "2nd Touch");
    designGeneralPage();
    m_page[0].sheet = TabSheet2;
    m_page[1].sheet = TabSheet3;
    designTouchPage(0);
    designTouchPage(1);

    CheckBox2 = add<ui::CheckBox>(this, "CheckBox2", 8, 556, 200, 20,
                                  "Touch as Right Button Click");
    CheckBox2->setEnabled(false);
    CheckBox2->hide();
    Button3 = add<ui::Button>(this, "Button3", 529, 550, 90, 30, "OK");
    Button2 = add<ui::Button>(this, "Button2", 629, 550, 90, 30, "Cancel");
    Button7 = add<ui::Button>(this, "Button7", 729, 550, 90, 30, "Apply");
    Button8 = add<ui::Button>(this, "Button8", 829, 550, 90, 30, "Help");
    setCancelButton(Button2);

    onShow = [this] { FormShow(); };
    Button3->onClick = [this] { Button3Click(); };
    Button7->onClick = [this] { Button7Click(); };
    Button2->onClick = [this] { Button2Click(); };
    wireTouchPages();
    wireLongPress();
    wireTools();
}

// The page whose tab is hidden: the handlers still read and set its controls, and the
// "General" group mirrors the ones the user needs.
void TForm1::designGeneralPage() {
    ui::TabSheet* p = TabSheet1;
    CheckBox3 = add<ui::CheckBox>(p, "CheckBox3", 24, 20, 240, 20, "Enable Touch_to_RightButton");
    Label2 = add<ui::Label>(p, "Label2", 44, 50, 170, 16, "Time delay for");
    Label3 = add<ui::Label>(p, "Label3", 44, 66, 170, 16, "Touch_to_RightButton:");
    Edit4 = add<ui::Edit>(p, "Edit4", 220, 56, 46, 21, "Edit4");
    UpDown6 = ranged(add<ui::UpDown>(p, "UpDown6", 266, 56, 17, 21), 1, 3, 2);

    CheckBox4 = add<ui::CheckBox>(p, "CheckBox4", 24, 104, 240, 20, "Enable Touch_to_Calibrate");
    Label8 = add<ui::Label>(p, "Label8", 44, 134, 170, 16, "Time delay for");
    Label9 = add<ui::Label>(p, "Label9", 44, 150, 170, 16, "Touch_to_Calibrate:");
    Edit5 = add<ui::Edit>(p, "Edit5", 220, 140, 46, 21, "Edit5");
    UpDown5 = ranged(add<ui::UpDown>(p, "UpDown5", 266, 140, 17, 21), 4, 15, 5);

    Button4 = add<ui::Button>(p, "Button4", 24, 200, 130, 30, "Restore Defaults");
    Button5 = add<ui::Button>(p, "Button5", 164, 200, 130, 30, "Hide Cursor");
    Button11 = add<ui::Button>(p, "Button11", 304, 200, 130, 30, "Install Driver");
    Button12 = add<ui::Button>(p, "Button12", 444, 200, 130, 30, "Swap Touchs");
    Button12->setEnabled(false);
}

}  // namespace touchman
