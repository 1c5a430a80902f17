// The window's construction and destruction: layout, wiring, start-up reads, shutdown.
#include "edgetool/edge_form.h"

#include "common/caption_file.h"
#include "common/program_entry.h"
#include "edgetool/flags.h"

namespace touchacc {

const ExchangeStyle exchangeStyle{
    .openLine = " in openusb( %lx ) \n", .openClearsHandle = false,
    .wrtpLogsBindings = false, .wrtpSkipsInDebug = false,
    .clearBytes = meaningfulBytes, .clearAfterBindingTest = false,
    .waitAfterReply = commandWaitMs, .signedCharDump = false,
};

namespace {

const ui::Font textFont{"MS Sans Serif", 20};
const ui::Font boxFont{"Batang", 17, true};
const ui::Font defaultButtonFont{"MS Sans Serif", 17};

}  // namespace

TForm1::TForm1() : ui::Form("TForm1") {
    layOut();
    setDefaults();
    m_pl.dbg = dbg_f != 0;
    if (const std::optional<std::string> text = captionLine(captionFile))
        setCaption(*text);
    if (!bindController()) {
        setCaption(caption() + ".??");
        return;
    }
    readController();
}

TForm1::~TForm1() { endMainWindow(m_pl); }

void TForm1::layOut() {
    setCaption(designCaption);
    setBorderStyle(ui::BorderStyle::Single);
    setBorderIcons(ui::biSystemMenu | ui::biMinimize);
    setClientSize(724, 504);

    m_rows = {{
        {Edit1, UpDown1, &m_margin[edgeLeft]},
        {Edit2, UpDown2, &m_margin[edgeRight]},
        {Edit3, UpDown3, &m_margin[edgeTop]},
        {Edit4, UpDown4, &m_margin[edgeBottom]},
        {Edit5, UpDown5, &m_comp[edgeLeft]},
        {Edit6, UpDown6, &m_comp[edgeRight]},
        {Edit7, UpDown7, &m_comp[edgeTop]},
        {Edit8, UpDown8, &m_comp[edgeBottom]},
    }};
    // Edit1Change to Edit8Change and UpDown1Click to UpDown8Click: one rule for every row.
    for (const Row& row : m_rows) {
        row.edit->setFont(textFont);
        row.upDown->setRange(0, 255);
        row.edit->onChange = [this, &row] { editChange(row); };
        row.upDown->onClick = [&row](int) {
            row.edit->setText(std::to_string(row.upDown->position()));
        };
    }
    for (ui::Label* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8}) {
        label->setFont(textFont);
        label->setAutoSize(true);
    }

    // CheckBox1Click to CheckBox4Click.
    const struct {
        ui::CheckBox* box;
        std::int32_t bit;
    } boxes[] = {
        {CheckBox1, edgeLeftOn},
        {CheckBox2, edgeRightOn},
        {CheckBox3, edgeTopOn},
        {CheckBox4, edgeBottomOn},
    };
    for (const auto& b : boxes) {
        b.box->setFont(boxFont);
        b.box->onClick = [this, box = b.box, bit = b.bit] { checkBoxClick(*box, bit); };
    }

    for (ui::Button* button : {Button1, Button3, Button2})
        button->setFont(textFont);
    Button4->setFont(defaultButtonFont);
    Button1->onClick = [this] { Button1Click(); };
    Button2->onClick = [this] { Button2Click(); };
    Button3->onClick = [this] { Button3Click(); };
    Button4->onClick = [this] { Button4Click(); };
    onShow = [this] { FormShow(); };
}

void TForm1::setDefaults() {
    m_enabled = 0;
    m_margin = edgeDefaults;
    m_comp = edgeDefaults;
}

}  // namespace touchacc
