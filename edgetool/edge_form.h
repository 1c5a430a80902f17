#pragma once
// The one window of the edge tool: the edge switches, margins and compensations of the
// bound controller, read while the window is built and written back by Apply or OK.
#include <array>
#include <cstdint>

#include "common/edge_values.h"
#include "common/exchange.h"
#include "ui/ui.h"

namespace touchacc {

constexpr const char* designCaption = " Tormalin USB Touch Edge Acceleration Tool   v.1.01";
constexpr const char* captionFile = "touchacc.ini";

// The edge tool's copy of the exchange.
extern const ExchangeStyle exchangeStyle;

class TForm1 : public ui::Form {
public:
    // Builds the window, binds the first controller of the family and reads it.
    TForm1();
    // Shutdown: releases the library and ends the log, between two beeps.
    ~TForm1() override;

    // The nine settings, each 0 to 255.
    std::int32_t m_enabled = 0;
    EdgeValues m_margin{};
    EdgeValues m_comp{};

    Padlink m_pl{&exchangeStyle};

    ui::Button* Button1 = add<ui::Button>(this, "Button1", 45, 32, 120, 40, "OK");
    ui::Button* Button3 = add<ui::Button>(this, "Button3", 215, 32, 120, 40, "Apply");
    ui::Button* Button4 = add<ui::Button>(this, "Button4", 386, 32, 120, 40, "Default");
    ui::Button* Button2 = add<ui::Button>(this, "Button2", 557, 32, 120, 40, "Cancel");
    ui::CheckBox* CheckBox1 = add<ui::CheckBox>(this, "CheckBox1", 45, 96, 144, 45, "Enable Left");
    ui::CheckBox* CheckBox2 =
        add<ui::CheckBox>(this, "CheckBox2", 207, 96, 144, 45, "Enable Right");
    ui::CheckBox* CheckBox3 = add<ui::CheckBox>(this, "CheckBox3", 370, 96, 144, 45, "Enable Top");
    ui::CheckBox* CheckBox4 =
        add<ui::CheckBox>(this, "CheckBox4", 533, 96, 144, 45, "Enable Bottom");
    ui::Label* Label1 = add<ui::Label>(this, "Label1", 41, 184, 0, 0, "Left Margin: ");
    ui::Edit* Edit1 = add<ui::Edit>(this, "Edit1", 187, 184, 50, 33, "0");
    ui::UpDown* UpDown1 = add<ui::UpDown>(this, "UpDown1", 251, 166, 50, 70);
    ui::Label* Label2 = add<ui::Label>(this, "Label2", 41, 266, 0, 0, "Right Margin: ");
    ui::Edit* Edit2 = add<ui::Edit>(this, "Edit2", 187, 266, 50, 33, "0");
    ui::UpDown* UpDown2 = add<ui::UpDown>(this, "UpDown2", 251, 246, 50, 70);
    ui::Label* Label3 = add<ui::Label>(this, "Label3", 41, 349, 0, 0, "Top Margin: ");
    ui::Edit* Edit3 = add<ui::Edit>(this, "Edit3", 187, 349, 50, 33, "0");
    ui::UpDown* UpDown3 = add<ui::UpDown>(this, "UpDown3", 251, 327, 50, 70);
    ui::Label* Label4 = add<ui::Label>(this, "Label4", 41, 432, 0, 0, "Bottom Margin: ");
    ui::Edit* Edit4 = add<ui::Edit>(this, "Edit4", 187, 432, 50, 33, "0");
    ui::UpDown* UpDown4 = add<ui::UpDown>(this, "UpDown4", 251, 408, 50, 70);
    ui::Label* Label5 = add<ui::Label>(this, "Label5", 351, 184, 0, 0, "Left Compensation: ");
    ui::Edit* Edit5 = add<ui::Edit>(this, "Edit5", 571, 184, 50, 33, "0");
    ui::UpDown* UpDown5 = add<ui::UpDown>(this, "UpDown5", 635, 166, 50, 70);
    ui::Label* Label6 = add<ui::Label>(this, "Label6", 351, 266, 0, 0, "Right Compensation: ");
    ui::Edit* Edit6 = add<ui::Edit>(this, "Edit6", 571, 266, 50, 33, "0");
    ui::UpDown* UpDown6 = add<ui::UpDown>(this, "UpDown6", 635, 246, 50, 70);
    ui::Label* Label7 = add<ui::Label>(this, "Label7", 351, 349, 0, 0, "Top Compensation: ");
    ui::Edit* Edit7 = add<ui::Edit>(this, "Edit7", 571, 349, 50, 33, "0");
    ui::UpDown* UpDown7 = add<ui::UpDown>(this, "UpDown7", 635, 327, 50, 70);
    ui::Label* Label8 = add<ui::Label>(this, "Label8", 351, 432, 0, 0, "Bottom Compensation: ");
    ui::Edit* Edit8 = add<ui::Edit>(this, "Edit8", 571, 432, 50, 33, "0");
    ui::UpDown* UpDown8 = add<ui::UpDown>(this, "UpDown8", 635, 408, 50, 70);

    void FormShow();
    void Button1Click();  // OK
    void Button2Click();  // Cancel
    void Button3Click();  // Apply
    void Button4Click();  // Default

private:
    // One edit with its up-down and the value they show.
    struct Row {
        ui::Edit* edit;
        ui::UpDown* upDown;
        std::int32_t* value;
    };

    void layOut();
    void setDefaults();
    bool bindController();
    void readController();
    void place();
    void editChange(const Row& row);
    void checkBoxClick(const ui::CheckBox& box, std::int32_t bit);

    std::array<Row, 8> m_rows{};
};

}  // namespace touchacc
