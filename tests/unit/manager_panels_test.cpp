// The touch tabs' editors under the fake host: navigation, the value edits and their
// up-downs, the "Enable Touch" and beep switches, and the touch-mode buttons.
#include "manager/edit_rules.h"
#include "tests/unit/manager_fixture.h"

namespace touchman {

namespace {

using Strings = std::vector<std::string>;

class Panels : public ManagerWindow {
protected:
    TForm1& shown() {
        plugIn(bankOf({0xA000, 0xA200}));
        TForm1& w = open();
        w.show();
        return w;
    }
};

TEST(ManagerEditRules, ValuesFoldOverTheEndsOfTheirRange) {
    struct Case {
        const char* text;
        int fallback, max, value;
    };
    const Case cases[] = {
        {"0", 20, 30, 30},   {"31", 20, 30, 1},    {"-3", 20, 30, 1},  {"abc", 20, 30, 20},
        {"15", 20, 30, 15},  {"0", 200, 255, 255}, {"256", 200, 255, 1}, {"abc", 200, 255, 200},
        {"abc", 6, 255, 6},  {"", 6, 255, 6},      {" 7", 6, 255, 7},  {"7 ", 6, 255, 6},
        {"99999999999", 20, 30, 20},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foldedValue(c.text, c.fallback, c.max), c.value) << "'" << c.text << "'";
}

TEST_F(Panels, TypedValuesReachTheSettingsAndTheUpDowns) {
    TForm1& w = shown();
    const struct {
        ui::Edit* edit;
        const char* typed;
        const char* shown;
        const std::int32_t* field;
        ui::UpDown* upDown;
    } cases[] = {
        {w.Edit1, "0", "30", &w.m_touch[0].freq, w.UpDown1},
        {w.Edit1, "31", "1", &w.m_touch[0].freq, w.UpDown1},
        {w.Edit1, "-3", "1", &w.m_touch[0].freq, w.UpDown1},
        {w.Edit1, "abc", "20", &w.m_touch[0].freq, w.UpDown1},
        {w.Edit2, "0", "255", &w.m_touch[0].dura, w.UpDown2},
        {w.Edit2, "256", "1", &w.m_touch[0].dura, w.UpDown2},
        {w.Edit2, "abc", "200", &w.m_touch[0].dura, w.UpDown2},
        {w.Edit3, "abc", "6", &w.m_touch[0].dots, w.UpDown3},
        {w.Edit3, "0", "255", &w.m_touch[0].dots, w.UpDown3},
        {w.Edit6, "17", "17", &w.m_touch[1].freq, w.UpDown4},
        {w.Edit7, "0", "255", &w.m_touch[1].dura, w.UpDown7},
        {w.Edit8, "abc", "6", &w.m_touch[1].dots, w.UpDown8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.edit->name()) + " '" + c.typed + "'");
        c.edit->setText(c.typed);
        EXPECT_EQ(c.edit->text(), c.shown);
        EXPECT_EQ(*c.field, std::stoi(c.shown));
        EXPECT_EQ(c.upDown->position(), std::stoi(c.shown));
    }
}

TEST_F(Panels, SteppingPastEitherEndCyclesAndIsLogged) {
    TForm1& w = shown();
    w.BitBtn5->click();  // "Sound Setting"
    w.Edit1->setText("30");
    ASSERT_TRUE(w.UpDown1->press(ui::arrowUp));
    EXPECT_EQ(w.Edit1->text(), "1");
    EXPECT_EQ(w.m_touch[0].freq, 1);
    w.UpDown1->press(ui::arrowDown);
    EXPECT_EQ(w.Edit1->text(), "30");
    w.Edit2->setText("255");
    w.UpDown2->press(ui::arrowUp);
    EXPECT_EQ(w.Edit2->text(), "1");
    w.PageControl1->setActivePage(w.TabSheet3);
    w.BitBtn14->click();  // "Double Click Area" of the second touch
    w.Edit8->setText("1");
    ASSERT_TRUE(w.UpDown8->press(ui::arrowDown));
    EXPECT_EQ(w.Edit8->text(), "255");
    EXPECT_EQ(w.m_touch[1].dots, 255);
    const std::string text = log();
    EXPECT_NE(text.find(" freq.ud1: btntype=0, position=31 \n"), std::string::npos);
    EXPECT_NE(text.find(" freq.ud1: btntype=1, position=0 \n"), std::string::npos);
    EXPECT_NE(text.find(" dots.ud8: btntype=1, position=0 \n"), std::string::npos);
}

TEST_F(Panels, EachTopicButtonOpensItsPanelAndItsReturnButtonComesBack) {
    TForm1& w = shown();
    for (int slot = 0; slot < 2; ++slot) {
        TouchPage& pg = w.m_page[slot];
        w.PageControl1->setActivePage(pg.sheet);
        for (int t = 0; t < topicCount; ++t) {
            SCOPED_TRACE(pg.topicButtons[t]->name());
            ASSERT_TRUE(pg.topicButtons[t]->click());
            EXPECT_TRUE(pg.topicPanels[t]->visible());
            EXPECT_FALSE(pg.menu->visible());
            ASSERT_TRUE(pg.returnButtons[t]->click());
            EXPECT_FALSE(pg.topicPanels[t]->visible());
            EXPECT_TRUE(pg.menu->visible());
        }
    }
}

TEST_F(Panels, EnableTouchSwitchesItsSlotsControls) {
    TForm1& w = shown();
    const std::vector<ui::Control*> slot0 = {w.Button1, w.Button5, w.BitBtn1, w.Button6,
                                             w.CheckBox3, w.CheckBox8, w.CheckBox4, w.CheckBox6,
                                             w.RadioButton1, w.RadioButton2, w.RadioButton3,
                                             w.Label1, w.Label4, w.Edit1, w.Edit2, w.UpDown1,
                                             w.UpDown2, w.Label5, w.Edit3, w.UpDown3};
    const std::vector<ui::Control*> slot1 = {w.Button10, w.Button9, w.CheckBox5, w.RadioButton4,
                                             w.RadioButton5, w.RadioButton6, w.Label10, w.Edit8,
                                             w.UpDown8, w.Label7, w.Label6, w.Edit6, w.Edit7,
                                             w.UpDown4, w.UpDown7};
    w.CheckBox1->setChecked(false);
    for (ui::Control* c : slot0)
        EXPECT_FALSE(c->enabled()) << c->name();
    for (ui::Control* c : slot1)
        EXPECT_TRUE(c->enabled()) << c->name();
    EXPECT_EQ(w.m_touch[0].enable, 0);

    w.CheckBox1->setChecked(true);
    w.CheckBox7->setChecked(false);
    for (ui::Control* c : slot0)
        EXPECT_TRUE(c->enabled()) << c->name();
    for (ui::Control* c : slot1)
        EXPECT_FALSE(c->enabled()) << c->name();
    // Slot 1 leaves the long-press boxes and the cursor buttons alone.
    EXPECT_TRUE(w.CheckBox8->enabled());
    EXPECT_TRUE(w.BitBtn1->enabled());
    EXPECT_EQ(w.m_touch[1].enable, 0);
    EXPECT_EQ(w.m_touch[0].enable, 1);
    // The Touch_to_Calibrate delay follows slot 0 only while it is on.
    EXPECT_FALSE(w.Edit5->enabled());
}

TEST_F(Panels, TheBeepSwitchIsGuardedByEnableTouch) {
    TForm1& w = shown();
    w.CheckBox6->setChecked(false);
    EXPECT_EQ(w.m_touch[0].buzr, 0);
    EXPECT_FALSE(w.Edit1->enabled());
    EXPECT_FALSE(w.UpDown2->enabled());
    w.CheckBox6->setChecked(true);
    EXPECT_EQ(w.m_touch[0].buzr, 1);
    EXPECT_TRUE(w.Edit1->enabled());

    // With the touch off, a beep box set by code changes neither the field nor its controls.
    w.CheckBox1->setChecked(false);
    w.CheckBox6->setChecked(false);
    EXPECT_EQ(w.m_touch[0].buzr, 1);
    EXPECT_FALSE(w.Edit1->enabled());
    w.CheckBox7->setChecked(false);
    w.CheckBox5->setChecked(false);
    EXPECT_EQ(w.m_touch[1].buzr, 1);
}

TEST_F(Panels, OtherModesSwitchTheLongPressOptionsOffAndOnlySlot0sMouseEmulationFreesThem) {
    TForm1& w = shown();
    w.CheckBox8->setChecked(true);
    ASSERT_EQ(w.m_abtm, 2);

    w.RadioButton6->setChecked(true);  // slot 1, Click on Release
    EXPECT_EQ(w.m_touch[1].mbMode, 4);
    EXPECT_EQ(w.m_abtm, 0);
    EXPECT_EQ(w.m_actm, 0);
    EXPECT_EQ(Strings({w.Edit4->text(), w.Edit9->text(), w.Edit5->text()}),
              Strings({"0", "0", "0"}));
    for (ui::CheckBox* b : {w.CheckBox3, w.CheckBox8, w.CheckBox4}) {
        EXPECT_FALSE(b->checked()) << b->name();
        EXPECT_FALSE(b->enabled()) << b->name();
    }

    w.RadioButton4->setChecked(true);  // slot 1, Mouse Emulation
    EXPECT_FALSE(w.CheckBox8->enabled());
    w.RadioButton2->setChecked(true);  // slot 0, Click on Touch
    EXPECT_EQ(w.m_touch[0].mbMode, 2);
    w.RadioButton1->setChecked(true);  // slot 0, Mouse Emulation
    for (ui::CheckBox* b : {w.CheckBox3, w.CheckBox8, w.CheckBox4})
        EXPECT_TRUE(b->enabled()) << b->name();
}

TEST_F(Panels, ModeButtonsKeepTheFirmwaresOwnBits) {
    TForm1& w = shown();
    w.RadioButton3->setChecked(true);
    w.m_touch[0].mbMode = 0x0C;
    w.RadioButton1->setChecked(true);
    EXPECT_EQ(w.m_touch[0].mbMode, 0x09);
}

TEST_F(Panels, TouchAsRightButtonClickSetsBit1OfSlot0) {
    TForm1& w = shown();
    w.CheckBox2->setChecked(true);
    EXPECT_EQ(w.m_touch[0].enable, 3);
    w.CheckBox2->setChecked(false);
    EXPECT_EQ(w.m_touch[0].enable, 1);
}

TEST_F(Panels, AppliedEditsReachTheController) {
    TForm1& w = shown();
    w.Edit1->setText("25");
    w.Edit3->setText("0");
    w.RadioButton5->setChecked(true);
    padlink->clearJournal();
    w.Button7->click();
    EXPECT_EQ(sent(0xA000, "D1_buzopt"), block(0xA000, "D1_buzopt", {1, 25, 50, 0xA8, 212, 50}));
    EXPECT_EQ(sent(0xA000, "D1_modeopt"), block(0xA000, "D1_modeopt", {1, 255, 50, 0}));
    EXPECT_EQ(sent(0xA200, "D1_mbmodeopt"), block(0xA200, "D1_mbmodeopt", {2}));
}

}  // namespace

}  // namespace touchman
