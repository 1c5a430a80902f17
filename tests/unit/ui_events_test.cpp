// The framework's event rules, as the programs' windows rely on them: which handler runs,
// how often, and which state results, for changes made by code and by the user.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace {

struct RulesForm : ui::Form {
    std::vector<std::string> calls;

    ui::CheckBox* CheckBox1 = add<ui::CheckBox>(this, "CheckBox1", 8, 8, 120, 17, "Enable");
    ui::GroupBox* GroupBox1 = add<ui::GroupBox>(this, "GroupBox1", 8, 30, 200, 90, "Mode");
    ui::RadioButton* RadioButton1 = add<ui::RadioButton>(GroupBox1, "RadioButton1", 8, 16, 150, 17, "One");
    ui::RadioButton* RadioButton2 = add<ui::RadioButton>(GroupBox1, "RadioButton2", 8, 36, 150, 17, "Two");
    ui::RadioButton* RadioButton3 = add<ui::RadioButton>(GroupBox1, "RadioButton3", 8, 56, 150, 17, "Three");
    ui::RadioButton* RadioButton4 = add<ui::RadioButton>(this, "RadioButton4", 8, 130, 150, 17, "Apart");
    ui::Edit* Edit1 = add<ui::Edit>(this, "Edit1", 8, 160, 50, 21, "0");
    ui::UpDown* UpDown1 = add<ui::UpDown>(this, "UpDown1", 60, 160, 17, 21);
    ui::Button* Button1 = add<ui::Button>(this, "Button1", 8, 190, 75, 25, "Go");

    RulesForm() : ui::Form("TRulesForm") {
        UpDown1->setRange(0, 31);
        CheckBox1->onClick = [this] { calls.push_back("CheckBox1"); };
        RadioButton1->onClick = [this] { calls.push_back("RadioButton1"); };
        RadioButton2->onClick = [this] { calls.push_back("RadioButton2"); };
        RadioButton3->onClick = [this] { calls.push_back("RadioButton3"); };
        RadioButton4->onClick = [this] { calls.push_back("RadioButton4"); };
        Edit1->onChange = [this] { calls.push_back("Edit1=" + Edit1->text()); };
        // As the programs do: the up-down writes its position into its edit.
        UpDown1->onClick = [this](int arrow) {
            calls.push_back("UpDown1:" + std::to_string(arrow));
            Edit1->setText(std::to_string(UpDown1->position()));
        };
        Button1->onClick = [this] { calls.push_back("Button1"); };
        show();
    }

    std::string state() const {
        auto b = [](bool v) { return v ? "1" : "0"; };
        return std::string("check=") + b(CheckBox1->checked()) + " radio=" +
               b(RadioButton1->checked()) + b(RadioButton2->checked()) +
               b(RadioButton3->checked()) + b(RadioButton4->checked()) +
               " edit=" + Edit1->text() + " pos=" + std::to_string(UpDown1->position());
    }
};

struct Case {
    const char* what;
    std::function<void(RulesForm&)> arrange;
    std::function<void(RulesForm&)> act;
    std::vector<std::string> calls;
    std::string state;
};

void nothing(RulesForm&) {}

TEST(UiEvents, HandlersAndStatesFollowTheRules) {
    const std::vector<Case> cases = {
        {"check box checked by code", nothing,
         [](RulesForm& f) { f.CheckBox1->setChecked(true); },
         {"CheckBox1"}, "check=1 radio=0000 edit=0 pos=0"},
        {"check box set by code to the state it has", nothing,
         [](RulesForm& f) { f.CheckBox1->setChecked(false); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"check box unchecked by code", [](RulesForm& f) { f.CheckBox1->setChecked(true); },
         [](RulesForm& f) { f.CheckBox1->setChecked(false); },
         {"CheckBox1"}, "check=0 radio=0000 edit=0 pos=0"},
        {"check box clicked twice", nothing,
         [](RulesForm& f) { f.CheckBox1->click(); f.CheckBox1->click(); },
         {"CheckBox1", "CheckBox1"}, "check=0 radio=0000 edit=0 pos=0"},
        {"radio button checked by code clears its group only",
         [](RulesForm& f) { f.RadioButton1->setChecked(true); f.RadioButton4->setChecked(true); },
         [](RulesForm& f) { f.RadioButton2->setChecked(true); },
         {"RadioButton2"}, "check=0 radio=0101 edit=0 pos=0"},
        {"radio button unchecked by code runs nothing",
         [](RulesForm& f) { f.RadioButton3->setChecked(true); },
         [](RulesForm& f) { f.RadioButton3->setChecked(false); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"radio button clicked, then clicked again", nothing,
         [](RulesForm& f) { f.RadioButton3->click(); f.RadioButton3->click(); },
         {"RadioButton3"}, "check=0 radio=0010 edit=0 pos=0"},
        {"radio button clicked while another is checked",
         [](RulesForm& f) { f.RadioButton1->setChecked(true); },
         [](RulesForm& f) { f.RadioButton2->click(); },
         {"RadioButton2"}, "check=0 radio=0100 edit=0 pos=0"},
        {"edit text changed by code", nothing,
         [](RulesForm& f) { f.Edit1->setText("5"); },
         {"Edit1=5"}, "check=0 radio=0000 edit=5 pos=0"},
        {"edit text set by code to the text it has", nothing,
         [](RulesForm& f) { f.Edit1->setText("0"); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"edit typed into", nothing,
         [](RulesForm& f) { f.Edit1->type("17"); },
         {"Edit1=17"}, "check=0 radio=0000 edit=17 pos=0"},
        {"up-down stepped up", nothing,
         [](RulesForm& f) { f.UpDown1->press(ui::arrowUp); },
         {"UpDown1:0", "Edit1=1"}, "check=0 radio=0000 edit=1 pos=1"},
        {"up-down at its top pressed up stays", [](RulesForm& f) { f.UpDown1->setPosition(31); f.Edit1->setText("31"); },
         [](RulesForm& f) { f.UpDown1->press(ui::arrowUp); },
         {"UpDown1:0"}, "check=0 radio=0000 edit=31 pos=31"},
        {"up-down at its bottom pressed down stays", nothing,
         [](RulesForm& f) { f.UpDown1->press(ui::arrowDown); },
         {"UpDown1:1"}, "check=0 radio=0000 edit=0 pos=0"},
        {"up-down position set by code runs nothing", nothing,
         [](RulesForm& f) { f.UpDown1->setPosition(40); },
         {}, "check=0 radio=0000 edit=0 pos=31"},
        {"disabled check box ignores a click", [](RulesForm& f) { f.CheckBox1->setEnabled(false); },
         [](RulesForm& f) { f.CheckBox1->click(); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"disabled check box still changes by code", [](RulesForm& f) { f.CheckBox1->setEnabled(false); },
         [](RulesForm& f) { f.CheckBox1->setChecked(true); },
         {"CheckBox1"}, "check=1 radio=0000 edit=0 pos=0"},
        {"hidden radio button ignores a click", [](RulesForm& f) { f.RadioButton1->hide(); },
         [](RulesForm& f) { f.RadioButton1->click(); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"radio button in a disabled group ignores a click", [](RulesForm& f) { f.GroupBox1->setEnabled(false); },
         [](RulesForm& f) { f.RadioButton2->click(); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"disabled edit ignores typing", [](RulesForm& f) { f.Edit1->setEnabled(false); },
         [](RulesForm& f) { f.Edit1->type("9"); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"read-only edit ignores typing", [](RulesForm& f) { f.Edit1->setReadOnly(true); },
         [](RulesForm& f) { f.Edit1->type("9"); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"disabled up-down ignores a press", [](RulesForm& f) { f.UpDown1->setEnabled(false); },
         [](RulesForm& f) { f.UpDown1->press(ui::arrowUp); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"disabled form takes no click anywhere", [](RulesForm& f) { f.setEnabled(false); },
         [](RulesForm& f) { f.Button1->click(); f.CheckBox1->click(); f.UpDown1->press(ui::arrowUp); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
        {"hidden form takes no click anywhere", [](RulesForm& f) { f.hide(); },
         [](RulesForm& f) { f.Button1->click(); f.RadioButton4->click(); },
         {}, "check=0 radio=0000 edit=0 pos=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RulesForm f;
        c.arrange(f);
        f.calls.clear();
        c.act(f);
        EXPECT_EQ(f.calls, c.calls);
        EXPECT_EQ(f.state(), c.state);
    }
}

TEST(UiEvents, ClickReportsWhetherTheControlTookIt) {
    RulesForm f;
    EXPECT_TRUE(f.Button1->click());
    f.Button1->setEnabled(false);
    EXPECT_FALSE(f.Button1->click());
    EXPECT_EQ(f.calls, std::vector<std::string>{"Button1"});
}

// Handlers run while a window fills its controls: there is no initialising guard.
TEST(UiEvents, HandlersRunDuringConstruction) {
    struct Filling : ui::Form {
        int clicks = 0;
        ui::CheckBox* CheckBox1 = add<ui::CheckBox>(this, "CheckBox1", 0, 0, 80, 17, "On");
        Filling() : ui::Form("TFilling") {
            CheckBox1->onClick = [this] { ++clicks; };
            CheckBox1->setChecked(true);
        }
    } f;
    EXPECT_EQ(f.clicks, 1);
}

}  // namespace
