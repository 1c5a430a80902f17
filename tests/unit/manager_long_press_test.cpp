// The long-press options under the fake host: the delays read at start, their boxes, edits
// and up-downs, and the step of Apply that rewrites both settings files and drives the
// launcher.
#include "common/launcher.h"
#include "tests/unit/manager_fixture.h"

namespace touchman {

namespace {

using Strings = std::vector<std::string>;

class LongPress : public ManagerWindow {
protected:
    TForm1& shown(const char* localLine = nullptr) {
        if (localLine)
            host.writeFile("longtap.ini", localLine);
        plugIn(bankOf({0xA000, 0xA200}));
        TForm1& w = open();
        w.show();
        return w;
    }
    platform::WindowRef launcher() { return host.addWindow(launcherClass, launcherTitle); }
};

TEST_F(LongPress, ADelayReadAtStartLocksBothTouchesInMouseEmulation) {
    TForm1& w = shown("9,2,40960,43008\n");
    EXPECT_EQ(w.m_actm, 0);  // Touch_to_Calibrate always starts off
    EXPECT_EQ(w.m_abtm, 2);
    EXPECT_TRUE(w.CheckBox3->checked());
    EXPECT_TRUE(w.CheckBox8->checked());
    EXPECT_FALSE(w.CheckBox4->checked());
    EXPECT_EQ(w.Edit9->text(), "2");
    for (ui::RadioButton* r : {w.RadioButton2, w.RadioButton3, w.RadioButton5, w.RadioButton6})
        EXPECT_FALSE(r->enabled()) << r->name();
    EXPECT_TRUE(w.RadioButton1->checked());
    EXPECT_TRUE(w.RadioButton4->checked());
    EXPECT_NE(log().find(" m_actm=0, m_abtm=2 \n"), std::string::npos);
}

TEST_F(LongPress, DelaysOutOfRangeOrMissingAreOff) {
    const std::initializer_list<const char*> lines = {"0,5\n", "4,0\n", "", nullptr};
    for (const char* line : lines) {
        SCOPED_TRACE(line ? line : "no file");
        host.removeFile("longtap.ini");
        TForm1& w = shown(line);
        EXPECT_EQ(w.m_abtm, 0);
        EXPECT_EQ(w.m_actm, 0);
        EXPECT_FALSE(w.CheckBox3->checked());
        EXPECT_FALSE(w.CheckBox8->checked());
        EXPECT_TRUE(w.RadioButton2->enabled());
    }
}

TEST_F(LongPress, TheVisibleBoxSwitchesTouchToRightButton) {
    TForm1& w = shown();
    w.CheckBox8->setChecked(true);
    EXPECT_TRUE(w.CheckBox3->checked());
    EXPECT_EQ(w.m_abtm, 2);
    EXPECT_EQ(w.Edit9->text(), "2");
    EXPECT_EQ(w.UpDown9->position(), 2);
    EXPECT_TRUE(w.Label13->enabled());
    w.CheckBox8->setChecked(false);
    EXPECT_EQ(w.m_abtm, 0);
    EXPECT_EQ(w.Edit9->text(), "0");
    EXPECT_FALSE(w.Label13->enabled());
}

TEST_F(LongPress, WithBothTouchesOffTheBoxOnlyFollowsItsTwin) {
    TForm1& w = shown();
    w.CheckBox7->setChecked(false);
    w.CheckBox1->setChecked(false);
    const std::string edit9 = w.Edit9->text();
    w.CheckBox8->setChecked(true);
    EXPECT_TRUE(w.CheckBox3->checked());
    EXPECT_TRUE(w.Label13->enabled());
    EXPECT_EQ(w.m_abtm, 0);
    EXPECT_EQ(w.Edit9->text(), edit9);
}

TEST_F(LongPress, TypedDelaysOutOfRangeSwitchOff) {
    TForm1& w = shown();
    const struct {
        ui::Edit* edit;
        const char* typed;
        const int* delay;
        int value;
    } cases[] = {
        {w.Edit5, "7", &w.m_actm, 7},   {w.Edit5, "16", &w.m_actm, 0},
        {w.Edit5, "3", &w.m_actm, 3},   {w.Edit5, "abc", &w.m_actm, 5},
        {w.Edit4, "3", &w.m_abtm, 3},   {w.Edit4, "4", &w.m_abtm, 0},
        {w.Edit4, "abc", &w.m_abtm, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.edit->name()) + " '" + c.typed + "'");
        c.edit->setText(c.typed);
        EXPECT_EQ(*c.delay, c.value);
        EXPECT_EQ(c.edit->text(), std::to_string(c.value));
    }
    EXPECT_EQ(w.Edit9->text(), "2");  // follows Edit4
}

TEST_F(LongPress, TheDelayUpDownStepsBothEdits) {
    TForm1& w = shown();
    w.CheckBox8->setChecked(true);
    ASSERT_TRUE(w.UpDown9->press(ui::arrowUp));
    EXPECT_EQ(w.UpDown6->position(), 3);
    EXPECT_EQ(Strings({w.Edit4->text(), w.Edit9->text()}), Strings({"3", "3"}));
    EXPECT_EQ(w.m_abtm, 3);
    EXPECT_NE(log().find(" dots.ud6: btntype=0, position=3 \n"), std::string::npos);
}

TEST_F(LongPress, ApplyRewritesBothFilesAndReinstallsTheHook) {
    TForm1& w = shown();
    const platform::WindowRef hi = launcher();
    w.CheckBox8->setChecked(true);
    const std::size_t m = host.mark();
    w.Button7->click();

    const Strings lines{"0,2,40960,41472\n"};
    EXPECT_EQ(host.readFile("longtap.ini"), lines[0]);
    EXPECT_EQ(host.readFile("c:\\longtap.ini"), lines[0]);
    EXPECT_EQ(host.posts(m), (std::vector<platform::PostCall>{{hi, msgCloseHook, 4660, 0},
                                                              {hi, msgOpenHook, 4660, 0}}));
    EXPECT_TRUE(host.runs(m).empty());
    EXPECT_EQ(host.pauses(m).back(), 300u);
    EXPECT_EQ(host.beeps(m), (std::vector<platform::BeepCall>{{3000, 100}}));
    EXPECT_TRUE(w.BitBtn1->enabled());
    const std::string text = log();
    EXPECT_NE(text.find(" write longtap.ini rv=16 \n write c:\\longtap.ini rv=16 \n"),
              std::string::npos);
}

TEST_F(LongPress, ApplyWithBothDelaysOffOnlyRemovesTheHook) {
    TForm1& w = shown();
    const platform::WindowRef hi = launcher();
    const std::size_t m = host.mark();
    w.Button7->click();
    EXPECT_EQ(host.posts(m), (std::vector<platform::PostCall>{{hi, msgCloseHook, 4660, 0}}));
    EXPECT_EQ(host.readFile("c:\\longtap.ini"), "0,0,40960,41472\n");
}

TEST_F(LongPress, ApplyWithoutALauncherStartsOneThenBeepsAndStillWritesTheFiles) {
    TForm1& w = shown();
    w.CheckBox8->setChecked(true);
    const std::size_t m = host.mark();
    w.Button7->click();
    // The debug log is open, so the launcher is asked for one of its own.
    EXPECT_EQ(host.runs(m),
              (std::vector<platform::RunCall>{{"longtap.exe -v", platform::showHidden}}));
    EXPECT_EQ(host.pauses(m).back(), 2000u);
    EXPECT_EQ(host.beeps(m),
              (std::vector<platform::BeepCall>{{3000, 100}, {500, 300}, {800, 300}}));
    EXPECT_TRUE(host.posts(m).empty());
    EXPECT_EQ(host.readFile("c:\\longtap.ini"), "0,2,40960,41472\n");
    EXPECT_EQ(host.readFile("longtap.ini"), "0,2,40960,41472\n");
}

TEST_F(LongPress, ALauncherThatAppearsAfterItsStartIsUsed) {
    TForm1& w = shown();
    w.CheckBox8->setChecked(true);
    platform::WindowRef hi = 0;
    host.onRun = [&](const std::string&, int) {
        host.schedule(1500, [&] { hi = launcher(); });
        return true;
    };
    const std::size_t m = host.mark();
    w.Button7->click();
    ASSERT_NE(hi, 0u);
    EXPECT_EQ(host.posts(m), (std::vector<platform::PostCall>{{hi, msgCloseHook, 4660, 0},
                                                              {hi, msgOpenHook, 4660, 0}}));
}

TEST_F(LongPress, CancelWritesNeitherFile) {
    host.writeFile("c:\\longtap.ini", "0,3,40960,41472\n");
    TForm1& w = shown("0,3,40960,41472\n");
    w.CheckBox8->setChecked(false);
    w.Button2->click();
    EXPECT_EQ(host.readFile("c:\\longtap.ini"), "0,3,40960,41472\n");
    EXPECT_EQ(host.readFile("longtap.ini"), "0,3,40960,41472\n");
}

}  // namespace

}  // namespace touchman
