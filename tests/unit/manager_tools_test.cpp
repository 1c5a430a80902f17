// The manager's buttons that act at once: cursor hiding, swap and mirror, Restore Defaults,
// the tool starts, help and the driver install.
#include "tests/unit/manager_fixture.h"

namespace touchman {

namespace {

using Strings = std::vector<std::string>;
using platform::RegRoot;

const char* const cursors = "Control Panel\\Cursors";
const char* const hidden = "%SYSTEMROOT%\\Cursors\\null.cur";

class Tools : public ManagerWindow {
protected:
    TForm1& shown(sim::Bank bank = bankOf({0xA000, 0xA200})) {
        plugIn(std::move(bank));
        TForm1& w = open();
        w.show();
        return w;
    }
    std::optional<std::string> arrow() {
        return host.regString(RegRoot::CurrentUser, cursors, "Arrow");
    }
    std::vector<std::string> boxTexts(std::size_t since) {
        Strings texts;
        for (const platform::BoxCall& b : host.boxes(since))
            texts.push_back(b.text);
        return texts;
    }
};

TEST_F(Tools, HideReplacesEverySystemCursorAndShowRestoresTheUsersArrow) {
    host.setRegString(RegRoot::CurrentUser, cursors, "Arrow", "C:\\My Cursors\\big arrow.cur");
    host.writeFile("null.cur", "empty");
    host.writeFile("arrow_m.cur", "arrow");
    TForm1& w = shown();
    EXPECT_EQ(w.BitBtn1->caption(), "Hide Cursor");
    EXPECT_EQ(host.readFile("cursor.dat"), "C:\\My Cursors\\big arrow.cur");

    std::size_t m = host.mark();
    w.BitBtn1->click();
    EXPECT_EQ(arrow(), hidden);
    EXPECT_EQ(w.BitBtn1->caption(), "Show Cursor");
    EXPECT_EQ(w.Button5->caption(), "Show Cursor");
    std::vector<unsigned> ids;
    for (const platform::SystemCursorCall& c : host.systemCursors(m)) {
        EXPECT_EQ(host.cursorFile(c.cursor), "C:\\TOUCH\\null.cur");
        ids.push_back(c.id);
    }
    EXPECT_EQ(ids, (std::vector<unsigned>{32512, 32513, 32514, 32515, 32516, 32640, 32641, 32642,
                                          32643, 32644, 32645, 32646, 32647, 32648, 32649,
                                          32650}));
    EXPECT_EQ(host.cursorCount(), -1);

    // A restart reads the hidden state back; Show gives the user's value back whole.
    form.reset();
    TForm1& again = shown();
    EXPECT_EQ(again.BitBtn1->caption(), "Show Cursor");
    m = host.mark();
    again.BitBtn1->click();
    EXPECT_EQ(arrow(), "C:\\My Cursors\\big arrow.cur");
    EXPECT_EQ(again.BitBtn1->caption(), "Hide Cursor");
    EXPECT_EQ(host.systemCursors(m).size(), 16u);
    EXPECT_EQ(host.cursorFile(host.currentCursor()), "C:\\TOUCH\\arrow_m.cur");
    EXPECT_EQ(host.cursorCount(), 0);
}

TEST_F(Tools, ShowWithoutASavedArrowDeletesTheValue) {
    host.setRegString(RegRoot::CurrentUser, cursors, "Arrow", hidden);
    TForm1& w = shown();
    w.BitBtn1->click();
    EXPECT_EQ(arrow(), std::nullopt);
    EXPECT_EQ(w.crsfn, "arrow_m.cur");
    EXPECT_EQ(w.BitBtn1->caption(), "Hide Cursor");
}

TEST_F(Tools, ASavedArrowWithALineEndComesBackWithoutIt) {
    host.setRegString(RegRoot::CurrentUser, cursors, "Arrow", hidden);
    host.writeFile("cursor.dat", "C:\\Cursors\\arrow.cur\r\n");
    TForm1& w = shown();
    w.BitBtn1->click();
    EXPECT_EQ(arrow(), "C:\\Cursors\\arrow.cur");
}

TEST_F(Tools, OnlyTheExactHiddenTextCountsAsHidden) {
    host.setRegString(RegRoot::CurrentUser, cursors, "Arrow", "%SystemRoot%\\cursors\\null.cur");
    TForm1& w = shown();
    EXPECT_EQ(w.BitBtn1->caption(), "Hide Cursor");
    w.BitBtn1->click();
    EXPECT_EQ(arrow(), hidden);
}

TEST_F(Tools, SwapAndMirrorGoToBothFamiliesWithEachSlotsBeep) {
    sim::Bank bank = bankOf({0xA000, 0xA200});
    bank[1].settings = {{1, 32, 50, 1, 0, 12, 90, 0}};
    TForm1& w = shown(std::move(bank));
    padlink->clearJournal();
    std::size_t m = host.mark();
    w.BitBtn3->click();
    w.BitBtn3->click();  // the same value again: the registry is read once per start
    EXPECT_EQ(written(0xA000), (Strings{block(0xA000, "D1_buzopt", {1, 20, 50, 0xA5, 1}),
                                        block(0xA000, "D1_buzopt", {1, 20, 50, 0xA5, 1})}));
    EXPECT_EQ(written(0xA200), (Strings{block(0xA200, "D1_buzopt", {0, 12, 90, 0xA5, 1}),
                                        block(0xA200, "D1_buzopt", {0, 12, 90, 0xA5, 1})}));
    EXPECT_EQ(boxTexts(m), (Strings{"Operation Completed!", "Operation Completed!"}));
    EXPECT_EQ(host.boxes(m)[0].caption, "Tormalin USB Dual Touch Manager");

    host.setRegInt(RegRoot::LocalMachine,
                   "SYSTEM\\CurrentControlSet\\Services\\padfilt2\\Parameters", "MirrorTch", 1);
    padlink->clearJournal();
    w.BitBtn17->click();
    EXPECT_EQ(written(0xA000), Strings{block(0xA000, "D1_buzopt", {1, 20, 50, 0xA1, 0})});
    EXPECT_EQ(host.openLibraries(), 0);
}

TEST_F(Tools, SwapWithoutTheFirstFamilySaysItFailed) {
    TForm1& w = shown(bankOf({0xA200}));
    padlink->clearJournal();
    const std::size_t m = host.mark();
    w.BitBtn17->click();
    EXPECT_TRUE(written(0xA200).empty());
    EXPECT_EQ(boxTexts(m), Strings{"Operation failed: no touch device found!"});

    // Only the second family missing: the first still gets it, and the box says done.
    plugIn(bankOf({0xA800}));
    const std::size_t n = host.mark();
    w.BitBtn17->click();
    EXPECT_EQ(written(0xA800), Strings{block(0xA800, "D1_buzopt", {1, 20, 50, 0xA1, 1})});
    EXPECT_EQ(boxTexts(n), Strings{"Operation Completed!"});
}

TEST_F(Tools, RestoreDefaultsRefillsTheWindowAndSendsNothing) {
    for (const auto& [version, suspend] : {std::pair{396, true}, {395, false}, {397, false}}) {
        SCOPED_TRACE(version);
        sim::Controller a = sim::defaultController(0xA000);
        a.version = {{static_cast<std::uint8_t>(version / 100),
                      static_cast<std::uint8_t>(version / 10 % 10),
                      static_cast<std::uint8_t>(version % 10)}};
        a.settings = {{0, 9, 50, 4, 0, 3, 9, 0}};
        a.edgeMask = 0x1F;
        TForm1& w = shown({a, sim::defaultController(0xA200)});
        w.CheckBox8->setChecked(false);
        w.UpDown10->setPosition(30);
        padlink->clearJournal();
        w.BitBtn4->click();
        EXPECT_EQ(w.CheckBox17->checked(), suspend);
        EXPECT_EQ(w.Edit10->text(), "5");
        EXPECT_TRUE(w.CheckBox1->checked());
        EXPECT_TRUE(w.RadioButton1->checked());
        EXPECT_EQ(Strings({w.Edit1->text(), w.Edit2->text(), w.Edit3->text()}),
                  Strings({"20", "50", "32"}));
        for (ui::CheckBox* b : {w.CheckBox9, w.CheckBox10, w.CheckBox11, w.CheckBox12})
            EXPECT_FALSE(b->checked()) << b->name();
        EXPECT_TRUE(padlink->journal().empty());
    }
}

TEST_F(Tools, RestoreDefaultsThenCancelLeavesControllersAndFiles) {
    host.writeFile("c:\\longtap.ini", "0,3,40960,41472\n");
    TForm1& w = shown();
    padlink->clearJournal();
    w.BitBtn4->click();
    w.Button2->click();
    EXPECT_TRUE(padlink->journal().empty());
    EXPECT_EQ(host.readFile("c:\\longtap.ini"), "0,3,40960,41472\n");
}

TEST_F(Tools, TheToolsStartWithTheirSlotsFlags) {
    struct Case {
        int dbg;
        std::initializer_list<int> present;
        void (TForm1::*handler)();
        const char* command;
    };
    const Case cases[] = {
        {0, {0xA000, 0xA200}, &TForm1::Button1Click, "touchcal.exe -i"},
        {0, {0xA000, 0xA200}, &TForm1::Button10Click, "touchcal.exe -i -8 -2"},
        {0, {0xA000, 0xA200}, &TForm1::Button9Click, "touchacc.exe -8 -2"},
        // The secondary controller alone takes slot 0, still for the second display.
        {0, {0xA200}, &TForm1::Button1Click, "touchcal.exe -i -8 -2"},
        {1, {}, &TForm1::Button6Click, "touchacc.exe -d"},
        {1, {}, &TForm1::Button10Click, "touchcal.exe -i -8 -2 -d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        dbg_f = c.dbg;
        TForm1& w = shown(bankOf(c.present));
        const std::size_t m = host.mark();
        (w.*c.handler)();
        EXPECT_EQ(host.runs(m),
                  (std::vector<platform::RunCall>{{c.command, platform::showShow}}));
    }
}

TEST_F(Tools, WithTheTouchesSwappedTheSecondaryControllerServesTheMainDisplay) {
    twoMonitors();
    host.setRegInt(RegRoot::LocalMachine,
                   "SYSTEM\\CurrentControlSet\\Services\\padfilt2\\Parameters", "SwapTch", 1);
    TForm1& w = shown();
    const std::size_t m = host.mark();
    w.Button1Click();
    w.Button10Click();
    EXPECT_EQ(host.runs(m), (std::vector<platform::RunCall>{
                                {"touchcal.exe -i -8", platform::showShow},
                                {"touchcal.exe -i -2", platform::showShow}}));
}

TEST_F(Tools, AToolForASlotWithoutAControllerOnlyBeeps) {
    TForm1& w = shown(bankOf({0xA000}));
    const std::size_t m = host.mark();
    w.Button10Click();
    w.Button9Click();
    EXPECT_TRUE(host.runs(m).empty());
    EXPECT_EQ(host.beeps(m), (std::vector<platform::BeepCall>{{500, 500}, {500, 500}}));
    EXPECT_NE(log().find(" in Button10Click, pid[1]=0 \n"), std::string::npos);
}

TEST_F(Tools, HelpAndInstallNameTheFileTheyCannotFind) {
    host.setCurrentDirectory("C:\\POS");
    TForm1& w = shown();
    const std::size_t m = host.mark();
    w.Button8->click();
    w.Button11Click();
    EXPECT_EQ(boxTexts(m),
              (Strings{"Can't find C:\\POS\\mgrguide.txt", "Can't find C:\\POS\\inst2.bat"}));
    EXPECT_TRUE(host.runs(m).empty());

    host.writeFile("mgrguide.txt", "help");
    w.Button8->click();
    EXPECT_EQ(host.runs(m), (std::vector<platform::RunCall>{
                                {"notepad.exe mgrguide.txt", platform::showShow}}));
}

TEST_F(Tools, TheInstallAsksThenWaitsForTheScriptToRemoveItsToken) {
    host.writeFile("inst2.bat", "@echo off");
    TForm1& w = shown();

    host.answerBoxes({platform::answerNo});
    std::size_t m = host.mark();
    w.Button11Click();
    EXPECT_EQ(host.boxes(m).at(0).buttons, platform::boxYesNo);
    EXPECT_EQ(host.boxes(m).at(0).text,
              "Do you want to install the secondary touch screen driver? \n"
              "If you are not sure, press No.");
    EXPECT_TRUE(host.runs(m).empty());
    EXPECT_FALSE(host.fileExists("tormalin.tok"));

    // The script ends after 3 s: six waits of 500 ms.
    host.onRun = [&](const std::string&, int) {
        host.schedule(3000, [&] { host.removeFile("tormalin.tok"); });
        return true;
    };
    m = host.mark();
    w.Button11Click();
    EXPECT_EQ(host.runs(m),
              (std::vector<platform::RunCall>{{"inst2.bat", platform::showNormal}}));
    EXPECT_EQ(host.pauses(m), std::vector<unsigned>(6, 500));
    EXPECT_TRUE(w.Button11->enabled());

    // A script that never ends: the manager stops waiting after 40.
    host.onRun = nullptr;
    m = host.mark();
    w.Button11Click();
    EXPECT_EQ(host.pauses(m), std::vector<unsigned>(40, 500));
    EXPECT_EQ(host.readFile("tormalin.tok"), " --- \n");
    EXPECT_TRUE(w.BitBtn2->enabled());
}

}  // namespace

}  // namespace touchman
