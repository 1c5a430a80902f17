// getPage and writePage against virtual controllers: what is read into a record and shown in
// a slot, and every byte written back.
#include "tests/unit/manager_fixture.h"

namespace touchman {

namespace {

using Strings = std::vector<std::string>;

struct ReadCase {
    const char* what;
    std::array<std::uint8_t, 3> version;
    bool badVersion;
    const char* label;
    int vn;
    bool suspendShown;
    Strings commands;
};

class GetPage : public ManagerWindow, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(GetPage, ReadsTheControllerIntoSlot0) {
    const ReadCase& c = GetParam();
    sim::Controller a = sim::defaultController(0xA000);
    a.version = c.version;
    a.faults.badVersion = c.badVersion;
    a.settings = {{13, 40, 51, 2, 0, 12, 90, 7}};
    a.suspend = 1;
    a.startup = 7;
    a.edgeMask = 0x0B;
    a.margins = {{10, 20, 30, 40}};
    a.comp = {{1, 2, 3, 4}};
    plugIn({a});
    TForm1& w = open();

    EXPECT_EQ(w.m_tchCnt, 1);
    EXPECT_EQ(w.m_pid[0], 0xA000);
    EXPECT_EQ(w.Label12->caption(), std::string("Firmware:  V") + c.label);
    EXPECT_NE(log().find(std::string(" 1st=Firmware:  V") + c.label + " \n"), std::string::npos);
    EXPECT_EQ(w.vn[0], c.vn);
    EXPECT_EQ(commands(0xA000), c.commands);
    for (ui::Control* s : std::initializer_list<ui::Control*>{w.CheckBox17, w.GroupBox2,
                                                              w.Edit10, w.UpDown10})
        EXPECT_EQ(s->visible(), c.suspendShown) << s->name();
    EXPECT_FALSE(w.CheckBox18->visible());

    const TouchSettings& t = w.m_touch[0];
    if (c.badVersion) {
        // The settings come from the refused version reply; the edge values stay.
        EXPECT_EQ(t.enable + t.dots + t.modeAux1 + t.mbMode + t.buzr + t.freq + t.dura +
                      t.modeAux2,
                  0);
        EXPECT_EQ(w.m_acc[0], 0);
        EXPECT_EQ(w.m_margins[0], (EdgeValues{50, 50, 50, 50}));
        EXPECT_EQ(w.m_comps[0], (EdgeValues{50, 50, 50, 50}));
        return;
    }
    EXPECT_EQ((std::vector<int>{t.enable, t.dots, t.modeAux1, t.mbMode, t.buzr, t.freq, t.dura,
                                t.modeAux2}),
              (std::vector<int>{13, 40, 51, 2, 0, 12, 90, 7}));
    EXPECT_EQ(w.m_acc[0], 0x0B);
    EXPECT_EQ(w.m_margins[0], (EdgeValues{10, 20, 30, 40}));
    EXPECT_EQ(w.m_comps[0], (EdgeValues{1, 2, 3, 4}));
    if (c.suspendShown) {
        EXPECT_TRUE(w.CheckBox17->checked());
        EXPECT_EQ(w.UpDown10->position(), 7);
        EXPECT_EQ(w.Edit10->text(), "7");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Manager, GetPage,
    ::testing::Values(
        ReadCase{"Version395HasSuspendMode", {{3, 9, 5}}, false, ".395", 395, true,
                 {"D1_rfwver", "D1_rdssmst", "D1_readedge", "D1_readcav", "D1_allmodeopt"}},
        ReadCase{"Version400HasNone", {{4, 0, 0}}, false, ".400", 400, false,
                 {"D1_rfwver", "D1_readedge", "D1_readcav", "D1_allmodeopt"}},
        ReadCase{"InvalidVersionReply", {{3, 9, 5}}, true, ".1020118", 0, false,
                 {"D1_rfwver"}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ManagerWindow, DebugModeFillsBothSlotsWithoutTheLibrary) {
    dbg_f = 1;
    TForm1& w = open();
    EXPECT_EQ(w.m_tchCnt, 2);
    EXPECT_EQ(w.m_pid[0], 0xA000);
    EXPECT_EQ(w.m_pid[1], 0xA200);
    EXPECT_EQ(w.Label12->caption(), "Firmware:  V.a000");
    EXPECT_EQ(w.Label11->caption(), "Firmware:  V.a200");
    for (const TouchSettings& t : w.m_touch)
        EXPECT_EQ((std::vector<int>{t.enable, t.dots, t.modeAux1, t.mbMode, t.buzr, t.freq,
                                    t.dura, t.modeAux2}),
                  std::vector<int>(8, 0));
    EXPECT_TRUE(host.loads().empty());
    EXPECT_EQ(host.pauses(), std::vector<unsigned>{1000});
}

TEST_F(ManagerWindow, GetPageYieldsAPlainRecord) {
    sim::Controller b = sim::defaultController(0xA200);
    b.version = {{3, 9, 2}};
    b.suspend = 1;
    b.startup = 12;
    b.edgeMask = 0x05;
    b.margins = {{9, 8, 7, 6}};
    b.comp = {{5, 4, 3, 2}};
    b.settings = {{1, 30, 50, 4, 1, 10, 60, 0}};
    plugIn({b});
    Padlink link{&exchangeStyle};
    PageRead page;
    EXPECT_EQ(getPage(link, 0xA200, 1, 1, page), 0);
    EXPECT_EQ(page.pid, 0xA200);
    EXPECT_EQ(page.rs, 0);  // the secondary controller, swapped onto the main display
    EXPECT_EQ(page.vn, 392);
    EXPECT_EQ(page.version, ".392");
    EXPECT_EQ(page.touch.dots, 30);
    EXPECT_EQ(page.touch.mbMode, 4);
    EXPECT_EQ(page.acc, 0x05);
    EXPECT_EQ(page.margins, (EdgeValues{9, 8, 7, 6}));
    EXPECT_EQ(page.comps, (EdgeValues{5, 4, 3, 2}));
    EXPECT_EQ(page.suspend, 1);
    EXPECT_EQ(page.startup, 12);
    EXPECT_EQ(host.openLibraries(), 0);

    const std::size_t m = host.mark();
    EXPECT_EQ(getPage(link, 0xA000, 1, 0, page), 1);  // not present
    EXPECT_EQ(getPage(link, 0xA200, 2, 0, page), 5);  // both slots filled
    EXPECT_EQ(host.loads(m).size(), 1u);
}

TEST_F(ManagerWindow, PlainModelsLockTouchToCalibrate) {
    plugIn(bankOf({0xA800, 0xA200}));
    TForm1& w = open();
    EXPECT_FALSE(w.CheckBox4->enabled());
    EXPECT_FALSE(w.UpDown5->enabled());
    EXPECT_FALSE(w.Edit5->enabled());
    EXPECT_EQ(w.m_actm, 0);
    EXPECT_EQ(w.m_noTouchCal, 1);
}

struct WriteCase {
    const char* what;
    int pid;
    void (*change)(TouchSettings&);
    const char* command;
    std::vector<int> values;
};

class WritePage : public ManagerWindow, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WritePage, SendsTheSlotsValues) {
    const WriteCase& c = GetParam();
    plugIn(bankOf({c.pid, 0xA200}));
    Padlink link{&exchangeStyle};
    PageWrite page;
    c.change(page.touch);
    EXPECT_EQ(writePage(link, c.pid, page), 0);
    EXPECT_EQ(sent(c.pid, c.command), block(c.pid, c.command, c.values));
}

INSTANTIATE_TEST_SUITE_P(
    Manager, WritePage,
    ::testing::Values(
        WriteCase{"Freq30Gives255", 0xA000, [](TouchSettings& t) { t.freq = 30; }, "D1_buzopt",
                  {1, 30, 50, 0xA8, 255, 50}},
        WriteCase{"Freq1Gives8", 0xA000, [](TouchSettings& t) { t.freq = 1; }, "D1_buzopt",
                  {1, 1, 50, 0xA8, 8, 50}},
        WriteCase{"PlainModelHasNoBeepOperation", 0xA800, [](TouchSettings&) {}, "D1_buzopt",
                  {1, 20, 50}},
        WriteCase{"Enable5LosesBit2", 0xA000, [](TouchSettings& t) { t.enable = 5; },
                  "D1_modeopt", {1, 32, 50, 0}},
        WriteCase{"Enable12IsKept", 0xA000, [](TouchSettings& t) { t.enable = 12; },
                  "D1_modeopt", {12, 32, 50, 0}},
        WriteCase{"TouchMode", 0xA000, [](TouchSettings& t) { t.mbMode = 4; }, "D1_mbmodeopt",
                  {4}}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace

namespace {

struct EdgeCase {
    const char* what;
    int acc;
    bool left, right, top, bottom;
    int mask;
};

TEST_F(ManagerWindow, EdgeMaskFollowsTheFourBoxes) {
    const EdgeCase cases[] = {
        {"reported 0x01, nothing checked", 0x01, false, false, false, false, 0x00},
        {"top", 0x00, false, false, true, false, 0x03},
        {"left and right", 0x00, true, true, false, false, 0x19},
        {"all on, bottom left", 0x1F, false, false, false, true, 0x05},
        {"an unknown bit stays", 0x40, false, false, false, false, 0x40},
    };
    plugIn(bankOf({0xA000, 0xA200}));
    Padlink link{&exchangeStyle};
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.what);
        PageWrite page;
        page.acc = c.acc;
        page.edgeLeft = c.left;
        page.edgeRight = c.right;
        page.edgeTop = c.top;
        page.edgeBottom = c.bottom;
        padlink->clearJournal();
        writePage(link, 0xA000, page);
        EXPECT_EQ(sent(0xA000, "D1_setedge"),
                  block(0xA000, "D1_setedge", {c.mask, 50, 50, 50, 50}));
        EXPECT_EQ(page.acc, c.mask);
    }
}

TEST_F(ManagerWindow, ApplyWritesBothSlotsKeepingTheEdgeToolsValues) {
    sim::Controller a = sim::defaultController(0xA000);
    a.version = {{3, 9, 6}};
    a.suspend = 1;
    a.startup = 9;
    a.edgeMask = 0x0B;  // top and left
    a.margins = {{10, 20, 30, 40}};
    a.comp = {{1, 2, 3, 4}};
    plugIn({a, sim::defaultController(0xA200)});
    TForm1& w = open();
    w.show();
    padlink->clearJournal();
    const std::size_t m = host.mark();

    w.Button7->click();

    EXPECT_EQ(written(0xA000), (Strings{
        block(0xA000, "D1_modeopt", {1, 32, 50, 0}),
        block(0xA000, "D1_mbmodeopt", {1}),
        block(0xA000, "D1_buzopt", {1, 20, 50, 0xA8, 170, 50}),
        block(0xA000, "D1_setedge", {0x0B, 10, 20, 30, 40}),
        block(0xA000, "D1_setca", {1, 2, 3, 4}),
        block(0xA000, "D1_stssm", {1, 0, 0, 9}),
    }));
    EXPECT_EQ(written(0xA200), (Strings{
        block(0xA200, "D1_modeopt", {1, 32, 50, 0}),
        block(0xA200, "D1_mbmodeopt", {1}),
        block(0xA200, "D1_buzopt", {1, 20, 50, 0xA8, 170, 50}),
        block(0xA200, "D1_setedge", {0, 50, 50, 50, 50}),
        block(0xA200, "D1_setca", {50, 50, 50, 50}),
        block(0xA200, "D1_stssm", {0, 0, 0, 5}),
    }));
    // Five waits per slot: none after the last command. Then the long-press step finds no
    // launcher: one wait for it to start, two beeps.
    std::vector<unsigned> waits(10, 800);
    waits.push_back(2000);
    EXPECT_EQ(host.pauses(m), waits);
    EXPECT_EQ(host.beeps(m),
              (std::vector<platform::BeepCall>{{3000, 100}, {500, 300}, {800, 300}}));
    EXPECT_EQ(host.openLibraries(), 0);
    EXPECT_TRUE(w.enabled());
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             w.Button7, w.Button3, w.Button2, w.Button8, w.Button4, w.BitBtn4, w.Button5,
             w.BitBtn1})
        EXPECT_TRUE(c->enabled()) << c->name();
    EXPECT_NE(log().find(" m_acc1=b \n"), std::string::npos);
}

TEST_F(ManagerWindow, EmptySlotsDebugModeAndAControllerThatWontOpenWriteNothing) {
    TForm1& w = open();
    const std::size_t m = host.mark();
    Padlink link{&exchangeStyle};
    PageWrite page;
    EXPECT_EQ(writePage(link, 0, page), 0);
    w.Button7Click();
    EXPECT_TRUE(host.loads(m).empty());
    EXPECT_NE(log().find(" in writePage( 0,0 ) at "), std::string::npos);

    Padlink debug{&exchangeStyle, true};
    EXPECT_EQ(writePage(debug, 0xA000, page), 1);
    EXPECT_TRUE(host.loads(m).empty());

    plugIn(bankOf({0xA200}));
    EXPECT_EQ(writePage(link, 0xA000, page), 1);
    EXPECT_TRUE(padlink->journalLines("WriteTP").empty());
    EXPECT_EQ(host.openLibraries(), 0);
}

TEST_F(ManagerWindow, WritePageEndsItsLogWithTheLastBlockAndTheTime) {
    plugIn(bankOf({0xA000}));
    host.setTickCount(4321);
    Padlink link{&exchangeStyle};
    PageWrite page;
    page.suspend = true;
    page.startup = 9;
    writePage(link, 0xA000, page);
    // The characters go out as they are, zero bytes included; five waits have passed.
    const char tail[] = " D  1  _  s  t  s  s  m  \x01  \0  \0  \t  \0  \0  \0  \0  \0 \n"
                        " 44  31  5f  73  74  73  73  6d  1  0  0  9  0  0  0  0  0 \n"
                        " tc2=8321 \n";
    const std::string text = log();
    EXPECT_EQ(text.substr(text.size() - (sizeof tail - 1)), std::string(tail, sizeof tail - 1));
}

}  // namespace

}  // namespace touchman
