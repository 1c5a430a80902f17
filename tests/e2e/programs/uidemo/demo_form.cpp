#include "tests/e2e/programs/uidemo/demo_form.h"

#include <cstdio>
#include <cstdlib>

#include "platform/host.h"

namespace {

// A 32 x 32 target: blue rings and a blue cross on white.
ui::Picture target() {
    ui::Picture p(32, 32, ui::clWhite);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            int dx = x - 16, dy = y - 16, d2 = dx * dx + dy * dy;
            bool ring = (d2 >= 36 && d2 < 49) || (d2 >= 144 && d2 < 169);
            if (ring || dx == 0 || dy == 0) p.setPixel(x, y, ui::clBlue);
        }
    }
    return p;
}

// A 16 x 16 glyph: a green square on a magenta ground that the button leaves out.
ui::Picture glyph() {
    ui::Picture p(16, 16, ui::rgb(255, 0, 255));
    p.fillRect(3, 3, 10, 10, ui::clGreen);
    return p;
}

}  // namespace

TDemoForm::TDemoForm() : ui::Form("TDemoForm") {
    setCaption("Kit UI Demo");
    setBorderStyle(ui::BorderStyle::Single);
    setBorderIcons(ui::biSystemMenu | ui::biMinimize);
    setClientSize(560, 400);
    setCentered(true);
    setFontName("MS Sans Serif");
    setFontHeight(13);

    CheckBox1 = add<ui::CheckBox>(this, "CheckBox1", 16, 16, 150, 20, "Enable Touch");
    GroupBox1 = add<ui::GroupBox>(this, "GroupBox1", 16, 44, 180, 80, "Touch mode setting");
    RadioButton1 = add<ui::RadioButton>(GroupBox1, "RadioButton1", 12, 22, 150, 20, "Mouse Emulation");
    RadioButton2 = add<ui::RadioButton>(GroupBox1, "RadioButton2", 12, 48, 150, 20, "Click on Touch");
    Edit1 = add<ui::Edit>(this, "Edit1", 16, 136, 60, 24, "5");
    UpDown1 = add<ui::UpDown>(this, "UpDown1", 80, 130, 20, 36);
    Button1 = add<ui::Button>(this, "Button1", 16, 176, 90, 28, "Hello");
    Button2 = add<ui::Button>(this, "Button2", 112, 176, 90, 28, "Cancel");
    Button3 = add<ui::Button>(this, "Button3", 16, 212, 90, 28, "Next Page");
    Label1 = add<ui::Label>(this, "Label1", 16, 250, 180, 24, "Demo of every control");
    PageControl1 = add<ui::PageControl>(this, "PageControl1", 220, 16, 320, 150);
    TabSheet1 = addSheet(PageControl1, "TabSheet1", "First");
    TabSheet2 = addSheet(PageControl1, "TabSheet2", "Second");
    Label2 = add<ui::Label>(TabSheet1, "Label2", 10, 10, 200, 20, "On the first page");
    Button4 = add<ui::Button>(TabSheet2, "Button4", 10, 10, 120, 28, "Back to First");
    Image1 = add<ui::Image>(this, "Image1", 220, 180, 32, 32);
    BitBtn1 = add<ui::BitBtn>(this, "BitBtn1", 270, 180, 130, 32, "Glyph Button");
    Timer1 = addTimer("Timer1", 200, false);
    CheckReport = add<ui::Label>(this, "CheckReport", 220, 230, 320, 18, "");
    RadioReport = add<ui::Label>(this, "RadioReport", 220, 250, 320, 18, "");
    EditReport = add<ui::Label>(this, "EditReport", 220, 270, 320, 18, "");
    ButtonReport = add<ui::Label>(this, "ButtonReport", 220, 290, 320, 18, "");
    ImageReport = add<ui::Label>(this, "ImageReport", 220, 310, 320, 18, "");
    TimerReport = add<ui::Label>(this, "TimerReport", 220, 330, 320, 18, "");

    Label1->setFontColor(ui::clMaroon);
    Label1->setFontHeight(16);
    Label1->setFontBold(true);
    Label1->setAutoSize(true);
    PageControl1->setTabHeight(24);
    PageControl1->setTabWidth(PageControl1->width() / 4 - 3);
    TabSheet1->setColor(ui::clBtnFace);
    UpDown1->setRange(0, 10);
    UpDown1->setPosition(5);
    Image1->setAutoSize(true);
    Image1->setPicture(target());
    BitBtn1->setGlyph(glyph());
    setCancelButton(Button2);

    CheckBox1->onClick = [this] { CheckBox1Click(); };
    RadioButton1->onClick = [this] { RadioButtonClick("RadioButton1"); };
    RadioButton2->onClick = [this] { RadioButtonClick("RadioButton2"); };
    Edit1->onChange = [this] { Edit1Change(); };
    UpDown1->onClick = [this](int arrow) { UpDown1Click(arrow); };
    Button1->onClick = [this] { Button1Click(); };
    Button2->onClick = [this] { close(); };
    Button3->onClick = [this] { Button3Click(); };
    Button4->onClick = [this] { Button4Click(); };
    Image1->onClick = [this] { Image1Click(); };
    BitBtn1->onClick = [this] { BitBtn1Click(); };
    Timer1->onTimer = [this] { Timer1Timer(); };
    onShow = [this] { FormShow(); };

    // Handlers run while the form fills its controls.
    RadioButton1->setChecked(true);
}

// The destruction hook: leaves a trace for the robot in the working folder.
TDemoForm::~TDemoForm() {
    if (platform::File f = platform::host().openFile("uidemo.out", "w"))
        std::fprintf(f.get(), "destroyed after %d shows\n", m_shows);
}

void TDemoForm::CheckBox1Click() {
    ++m_checkClicks;
    CheckReport->setCaption("check clicks=" + std::to_string(m_checkClicks) +
                            " checked=" + (CheckBox1->checked() ? "1" : "0"));
}

void TDemoForm::RadioButtonClick(const std::string& name) {
    ++m_radioClicks;
    RadioReport->setCaption("radio=" + name + " runs=" + std::to_string(m_radioClicks));
}

// Like the kit's value edits: the text is brought into 0..10 and written back.
void TDemoForm::Edit1Change() {
    ++m_editChanges;
    int value = std::atoi(Edit1->text().c_str());
    if (value < 0 || value > 10) value = 0;
    Edit1->setText(std::to_string(value));
    UpDown1->setPosition(value);
    EditReport->setCaption("edit=" + Edit1->text() + " changes=" + std::to_string(m_editChanges));
}

void TDemoForm::UpDown1Click(int arrow) {
    ButtonReport->setCaption("arrow=" + std::to_string(arrow) +
                             " position=" + std::to_string(UpDown1->position()));
    Edit1->setText(std::to_string(UpDown1->position()));
}

void TDemoForm::Button1Click() {
    int answer = platform::host().messageBox("Hello from the demo", "Kit UI Demo", platform::boxOk);
    ButtonReport->setCaption("hello answered " + std::to_string(answer));
}

void TDemoForm::Button3Click() { PageControl1->setActivePage(TabSheet2); }

void TDemoForm::Button4Click() { PageControl1->setActivePage(TabSheet1); }

void TDemoForm::Image1Click() {
    ImageReport->setCaption("image clicks=" + std::to_string(++m_imageClicks));
}

void TDemoForm::BitBtn1Click() {
    ImageReport->setCaption("bitbtn clicks=" + std::to_string(++m_bitBtnClicks));
}

void TDemoForm::Timer1Timer() {
    Timer1->setEnabled(false);
    TimerReport->setCaption("timer fired");
}

void TDemoForm::FormShow() {
    ++m_shows;
    Timer1->setEnabled(true);
}
