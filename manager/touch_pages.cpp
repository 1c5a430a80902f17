// The two touch tabs: a menu panel of six picture buttons, and per topic a setting panel
// that fills the page. Both slots share one design; only the names differ.
#include "manager/artwork.h"
#include "manager/main_form.h"

namespace touchman {

namespace {

struct PageNames {
    const char* menu;
    const char* topicButtons[topicCount];
    const char* topicLabels[topicCount];
    const char* topicPanels[topicCount];
    const char* headings[topicCount];
    const char* pictures[topicCount];
    const char* returnButtons[topicCount];
    const char *beep, *freqLabel, *freqEdit, *freqUpDown, *duraLabel, *duraEdit, *duraUpDown;
    const char *dotsLabel, *dotsEdit, *dotsUpDown;
    const char *enableTouch, *modeGroup, *modes[3];
    const char *suspend, *startupGroup, *startupUpDown, *startupEdit;
    const char *edgeTop, *edgeLeft, *edgeBottom, *edgeRight, *edgeTool;
    const char *calibrate, *firmware;
};

const PageNames pageNames[2] = {
    {"Panel1",
     {"BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8", "BitBtn9", "BitBtn10"},
     {"Label14", "Label15", "Label16", "Label17", "Label18", "Label19"},
     {"Panel5", "Panel6", "Panel7", "Panel8", "Panel4", "Panel3"},
     {"Label26", "Label27", "Label28", "Label29", "Label30", "Label31"},
     {"Image4", "Image5", "Image6", "Image7", "Image8", "Image9"},
     {"Button13", "Button15", "Button16", "Button17", "Button18", "Button19"},
     "CheckBox6", "Label4", "Edit1", "UpDown1", "Label1", "Edit2", "UpDown2",
     "Label5", "Edit3", "UpDown3",
     "CheckBox1", "GroupBox1", {"RadioButton1", "RadioButton2", "RadioButton3"},
     "CheckBox17", "GroupBox2", "UpDown10", "Edit10",
     "CheckBox9", "CheckBox10", "CheckBox11", "CheckBox12", "Button6",
     "Button1", "Label12"},
    {"Panel2",
     {"BitBtn11", "BitBtn13", "BitBtn15", "BitBtn12", "BitBtn14", "BitBtn16"},
     {"Label20", "Label21", "Label22", "Label23", "Label24", "Label25"},
     {"Panel14", "Panel13", "Panel12", "Panel11", "Panel10", "Panel9"},
     {"Label32", "Label33", "Label34", "Label35", "Label36", "Label37"},
     {"Image10", "Image11", "Image12", "Image13", "Image14", "Image15"},
     {"Button14", "Button20", "Button21", "Button22", "Button23", "Button24"},
     "CheckBox5", "Label6", "Edit6", "UpDown4", "Label7", "Edit7", "UpDown7",
     "Label10", "Edit8", "UpDown8",
     "CheckBox7", "GroupBox4", {"RadioButton4", "RadioButton5", "RadioButton6"},
     "CheckBox18", "GroupBox3", "UpDown11", "Edit11",
     "CheckBox13", "CheckBox14", "CheckBox15", "CheckBox16", "Button9",
     "Button10", "Label11"},
};

const char* const topicNames[topicCount] = {"Sound Setting", "Calibration",
                                            "Edge Accelerator", "Touch Mode",
                                            "Double Click Area", "Touch Information"};
// Calibration is left with "Exit", every other panel with "OK".
const char* const returnCaptions[topicCount] = {"OK", "Exit", "OK", "OK", "OK", "OK"};

// The picture cards on the setting panels and the glyphs share one white background;
// a glyph's see-through colour is the corner's.
const ui::Color cardColor = ui::clWhite;
const ui::Color glyphKey = ui::rgb(255, 0, 255);


}  // namespace

void TForm1::designTouchPage(int slot) {
    const PageNames& n = pageNames[slot];
    TouchPage& pg = m_page[slot];
    const int w = pg.sheet->width();
    const int h = pg.sheet->height();

    pg.menu = add<ui::Panel>(pg.sheet, n.menu, 0, 0, w, h);
    pg.menu->hide();
    for (int t = 0; t < topicCount; ++t) {
        const int left = t < 3 ? 70 : 380;
        const int top = 40 + (t % 3) * 130;
        ui::BitBtn* b = add<ui::BitBtn>(pg.menu, n.topicButtons[t], left, top, 90, 90);
        b->setGlyph(topicPicture(static_cast<Topic>(t), 3, glyphKey));
        pg.topicButtons[t] = b;
        ui::Label* l = add<ui::Label>(pg.menu, n.topicLabels[t], left + 104, top + 34, 190, 22,
                                      topicNames[t]);
        l->setFontHeight(18);
        l->setFontBold(true);
        l->setFontColor(ui::clNavy);

        ui::Panel* p = add<ui::Panel>(pg.sheet, n.topicPanels[t], 0, 0, w, h);
        p->hide();
        pg.topicPanels[t] = p;
        ui::Label* heading = add<ui::Label>(p, n.headings[t], 24, 20, 400, 30, topicNames[t]);
        heading->setFontHeight(24);
        heading->setFontBold(true);
        heading->setFontColor(ui::clNavy);
        ui::Image* picture = add<ui::Image>(p, n.pictures[t], w - 100, 16, 64, 64);
        picture->setPicture(topicPicture(static_cast<Topic>(t), 4, cardColor));
        pg.returnButtons[t] =
            add<ui::Button>(p, n.returnButtons[t], w - 124, h - 52, 100, 32, returnCaptions[t]);
    }

    ui::Panel* sound = pg.topicPanels[topicSound];
    pg.beep = add<ui::CheckBox>(sound, n.beep, 40, 96, 220, 20, "Enable Touch Beep");
    pg.freqLabel = add<ui::Label>(sound, n.freqLabel, 60, 138, 110, 16, "Beep Frequency:");
    pg.freqEdit = add<ui::Edit>(sound, n.freqEdit, 180, 134, 50, 21, n.freqEdit);
    pg.freqUpDown = ranged(add<ui::UpDown>(sound, n.freqUpDown, 230, 134, 17, 21), 0, 31, 6);
    pg.duraLabel = add<ui::Label>(sound, n.duraLabel, 60, 176, 110, 16, "Beep Duration:");
    pg.duraEdit = add<ui::Edit>(sound, n.duraEdit, 180, 172, 50, 21, n.duraEdit);
    pg.duraUpDown = ranged(add<ui::UpDown>(sound, n.duraUpDown, 230, 172, 17, 21), 0, 256, 1);

    ui::Panel* dc = pg.topicPanels[topicDoubleClick];
    pg.dotsLabel = add<ui::Label>(dc, n.dotsLabel, 40, 104, 130, 16, "Double Click Area:");
    pg.dotsEdit = add<ui::Edit>(dc, n.dotsEdit, 180, 100, 50, 21, n.dotsEdit);
    pg.dotsUpDown = ranged(add<ui::UpDown>(dc, n.dotsUpDown, 230, 100, 17, 21), 0, 256, 0);

    ui::Panel* mode = pg.topicPanels[topicTouchMode];
    pg.enableTouch = add<ui::CheckBox>(mode, n.enableTouch, 40, 96, 220, 20, "Enable Touch");
    pg.modeGroup = add<ui::GroupBox>(mode, n.modeGroup, 40, 130, 260, 116, "Touch mode setting");
    const char* const modeCaptions[3] = {"Mouse Emulation", "Click on Touch", "Click on Release"};
    for (int i = 0; i < 3; ++i)
        pg.modes[i] = add<ui::RadioButton>(pg.modeGroup, n.modes[i], 20, 26 + i * 28, 220, 20,
                                           modeCaptions[i]);
    // Shown by getPage for firmware with a suspend mode only.
    pg.suspend = add<ui::CheckBox>(mode, n.suspend, 340, 96, 220, 20, "Enable Suspend Mode");
    pg.suspend->hide();
    pg.startupGroup = add<ui::GroupBox>(mode, n.startupGroup, 340, 130, 200, 64,
                                        "Start-Up Time (min)");
    pg.startupGroup->hide();
    pg.startupUpDown =
        ranged(add<ui::UpDown>(pg.startupGroup, n.startupUpDown, 80, 26, 17, 21), 1, 255, 5);
    pg.startupUpDown->hide();
    pg.startupEdit = add<ui::Edit>(pg.startupGroup, n.startupEdit, 20, 26, 60, 21, "5");
    pg.startupEdit->setReadOnly(true);
    pg.startupEdit->hide();

    ui::Panel* edge = pg.topicPanels[topicEdge];
    pg.edgeTop = add<ui::CheckBox>(edge, n.edgeTop, 250, 100, 130, 20, "Enable Top");
    pg.edgeLeft = add<ui::CheckBox>(edge, n.edgeLeft, 80, 160, 130, 20, "Enable Left");
    pg.edgeBottom = add<ui::CheckBox>(edge, n.edgeBottom, 250, 220, 130, 20, "Enable Bottom");
    pg.edgeRight = add<ui::CheckBox>(edge, n.edgeRight, 420, 160, 130, 20, "Enable Right");
    pg.edgeTool = add<ui::Button>(edge, n.edgeTool, 40, h - 52, 120, 32, "Edge Accel.");
    pg.edgeTool->hide();

    pg.calibrate = add<ui::Button>(pg.topicPanels[topicCalibration], n.calibrate, 40, 100, 140,
                                   36, "Start");
    pg.firmware =
        add<ui::Label>(pg.topicPanels[topicInformation], n.firmware, 40, 104, 400, 20,
                       "Firmware:  V");
}

}  // namespace touchman
