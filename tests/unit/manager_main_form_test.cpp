// The main window: which controller lands in which slot, the tabs it shows, the caption,
// Cancel and the end of the window.
#include "manager/manager_app.h"
#include "manager/splash_form.h"
#include "tests/unit/manager_fixture.h"

namespace touchman {

namespace {

using Strings = std::vector<std::string>;

// Each needle found in the text after the one before it.
bool inOrder(const std::string& text, const Strings& needles) {
    std::size_t at = 0;
    for (const std::string& n : needles) {
        at = text.find(n, at);
        if (at == std::string::npos)
            return false;
        at += n.size();
    }
    return true;
}

struct OrderCase {
    const char* what;
    bool twoMonitors, swap;
    std::vector<int> present;
    long pid0, pid1;
    int rs0, rs1;
    Strings logLines;
};

class ReadingOrder : public ManagerWindow, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(ReadingOrder, DecidesTheSlots) {
    const OrderCase& c = GetParam();
    sim::Bank bank;
    for (int pid : c.present)
        bank.push_back(sim::defaultController(pid));
    plugIn(bank);
    if (c.twoMonitors)
        twoMonitors();
    if (c.swap)
        swapTouches();
    TForm1& w = open();
    EXPECT_EQ(w.m_pid[0], c.pid0);
    EXPECT_EQ(w.m_pid[1], c.pid1);
    EXPECT_EQ(w.m_rs[0], c.rs0);
    EXPECT_EQ(w.m_rs[1], c.rs1);
    EXPECT_TRUE(inOrder(log(), c.logLines)) << log();
}

INSTANTIATE_TEST_SUITE_P(
    Manager, ReadingOrder,
    ::testing::Values(
        OrderCase{"SwappedOnTwoMonitors", true, true, {0xA000, 0xA200}, 0xA200, 0xA000, 0, 1,
                  {" getpage1.a200=0 \n", " getpage1.aa00=0 \n", " getpage1.a000=0 \n",
                   " getpage1.a800=0 \n", " m_pid=a200,a000, m_rs=0,1 , j=0 \n"}},
        OrderCase{"SwapNeedsTwoMonitors", false, true, {0xA000, 0xA200}, 0xA000, 0xA200, 1, 0,
                  {" getpage2.a000=0 \n", " getpage2.a800=0 \n", " getpage2.a200=0 \n",
                   " getpage2.aa00=0 \n"}},
        OrderCase{"SecondMembersOfBothFamilies", true, false, {0xA800, 0xAA00}, 0xA800, 0xAA00,
                  0, 1,
                  {" getpage2.a000=1 \n", " getpage2.a800=0 \n", " getpage2.a200=1 \n",
                   " getpage2.aa00=0 \n", " m_pid=a800,aa00, m_rs=0,1 , j=0 \n"}},
        OrderCase{"OnlyAPrimary", false, false, {0xA000}, 0xA000, 0, 0, 1,
                  {" getpage2.a000=0 \n", " getpage2.a800=0 \n", " getpage2.a200=1 \n",
                   " getpage2.aa00=1 \n", " m_pid=a000,0, m_rs=0,1 , j=1 \n"}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ManagerWindow, ConstructionLogsItsStepsInOrder) {
    host.setSystemInfo({9, 0x1234, "C:\\WINDOWS\\system32"});
    host.writeFile("C:\\WINDOWS\\system32\\ntvdm64.dll", "");
    plugIn(bankOf({0xA000}));
    open();
    EXPECT_TRUE(inOrder(log(), {" processorArchi=9 \n", " oemId=1234 \n",
                                " sysdir=19, C:\\WINDOWS\\system32\\ntvdm64.dll, x64_f=1 \n",
                                " caption= Tormalin USB Dual-Touch Manager   v1.01 \n",
                                " MonitorCount=1 \n", " in getPage( a000 ), tchcnt=0 \n",
                                " m_pid=a000,0, m_rs=0,1 , j=1 \n", " m_acc=0, 0 \n"}))
        << log();
}

TEST_F(ManagerWindow, MonitorSurveyTakesTheLastOtherMonitor) {
    host.setMonitors({platform::Monitor{0, 0, 800, 600, false, 1},
                      platform::Monitor{1024, 0, 1280, 1024, true, 2},
                      platform::Monitor{-800, -100, 640, 480, false, 3}});
    TForm1& w = open();
    EXPECT_EQ((std::vector<int>{w.w0, w.h0, w.w1, w.h1, w.xleft, w.ytop}),
              (std::vector<int>{1280, 1024, 640, 480, -800, -100}));
    EXPECT_TRUE(inOrder(log(), {" MonitorCount=3 \n",
                                " i=1, top=0, left=1024, w=1280, h=1024, primary=1 \n",
                                " i=2, top=-100, left=-800, w=640, h=480, primary=0 \n",
                                " primary j=1 \n"}));
}

struct TabCase {
    const char* what;
    bool debug;
    std::vector<int> present;
    Strings tabs;        // captions of the tabs shown
    const char* active;  // name of the active page, "" for none
    bool panel1, panel2;
};

class TabRules : public ManagerWindow, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabRules, ShowTheSlotsTabs) {
    const TabCase& c = GetParam();
    dbg_f = c.debug;
    sim::Bank bank;
    for (int pid : c.present)
        bank.push_back(sim::defaultController(pid));
    plugIn(bank);
    TForm1& w = open();
    w.show();
    Strings tabs;
    for (ui::TabSheet* t : w.PageControl1->visibleTabs())
        tabs.push_back(t->caption());
    EXPECT_EQ(tabs, c.tabs);
    ui::TabSheet* active = w.PageControl1->activePage();
    EXPECT_EQ(active ? active->name() : "", c.active);
    EXPECT_EQ(w.Panel1->visible(), c.panel1);
    EXPECT_EQ(w.Panel2->visible(), c.panel2);
    EXPECT_EQ(w.TabSheet2->color(), ui::clBtnFace);
}

INSTANTIATE_TEST_SUITE_P(
    Manager, TabRules,
    ::testing::Values(
        TabCase{"NoController", false, {}, {}, "", false, false},
        TabCase{"OneController", false, {0xA000}, {"Touch Setting"}, "TabSheet2", true, false},
        TabCase{"TwoControllers", false, {0xA000, 0xA200}, {"1st Touch", "2nd Touch"},
                "TabSheet2", true, true},
        TabCase{"DebugMode", true, {}, {"1st Touch", "2nd Touch"}, "TabSheet2", true, true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ManagerWindow, ShowCopiesEachSlotIntoItsControls) {
    sim::Controller b = sim::defaultController(0xA200);
    b.settings = {{0, 40, 50, 4, 0, 12, 90, 0}};
    plugIn({sim::defaultController(0xA000), b});
    TForm1& w = open();
    w.RadioButton4->setChecked(true);  // its handler sets Mouse Emulation: read it again
    w.m_touch[1].mbMode = 4;
    w.show();
    EXPECT_TRUE(w.CheckBox1->checked());
    EXPECT_TRUE(w.RadioButton1->checked());
    EXPECT_TRUE(w.CheckBox6->checked());
    EXPECT_EQ(Strings({w.Edit1->text(), w.Edit2->text(), w.Edit3->text()}),
              Strings({"20", "50", "32"}));
    EXPECT_FALSE(w.CheckBox7->checked());
    EXPECT_TRUE(w.RadioButton6->checked());
    EXPECT_FALSE(w.RadioButton4->checked());
    EXPECT_FALSE(w.CheckBox5->checked());
    EXPECT_EQ(Strings({w.Edit6->text(), w.Edit7->text(), w.Edit8->text()}),
              Strings({"12", "90", "40"}));
    EXPECT_EQ((std::vector<int>{w.UpDown4->position(), w.UpDown7->position(),
                                w.UpDown8->position()}),
              (std::vector<int>{12, 90, 40}));
}

TEST_F(ManagerWindow, CancelSendsNothingAndTheEndBeeps) {
    plugIn(bankOf({0xA000, 0xA200}));
    TForm1& w = open();
    w.show();
    w.m_touch[0].freq = 3;
    w.CheckBox9->setChecked(true);
    padlink->clearJournal();
    const std::size_t m = host.mark();
    EXPECT_EQ(w.keyPress(27), 0);  // Esc presses Cancel
    EXPECT_FALSE(w.visible());
    form.reset();
    EXPECT_TRUE(padlink->journal().empty());
    EXPECT_TRUE(host.loads(m).empty());
    EXPECT_EQ(host.beeps(m), (std::vector<platform::BeepCall>{{1000, 100}, {1000, 100},
                                                              {2000, 100}}));
    const std::string text = host.readFile("\\touchman.log");
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
}

TEST_F(ManagerWindow, OkAppliesThenCloses) {
    plugIn(bankOf({0xA000, 0xA200}));
    TForm1& w = open();
    w.show();
    padlink->clearJournal();
    w.Button3->click();
    EXPECT_EQ(commands(0xA000).size(), 6u);
    EXPECT_EQ(commands(0xA200).size(), 6u);
    EXPECT_FALSE(w.visible());
}

TEST_F(ManagerWindow, CloseBoxIsCancelWithoutItsBeep) {
    plugIn(bankOf({0xA000, 0xA200}));
    TForm1& w = open();
    w.show();
    padlink->clearJournal();
    const std::size_t m = host.mark();
    EXPECT_TRUE(w.closeBox());
    form.reset();
    EXPECT_TRUE(padlink->journal().empty());
    EXPECT_EQ(host.beeps(m), (std::vector<platform::BeepCall>{{1000, 100}, {2000, 100}}));
}

struct CaptionCase {
    const char* what;
    bool dateFlag;
    const char* iniFile;  // null: no caption file
    const char* exeHere;  // the program file in the current directory, or elsewhere
    const char* caption;
};

TEST_F(ManagerWindow, CaptionFromTheCaptionFileOrWithTheDateStamp) {
    const CaptionCase cases[] = {
        {"plain", false, nullptr, "C:\\TOUCH\\touchman.exe",
         " Tormalin USB Dual-Touch Manager   v1.01"},
        {"-f", true, nullptr, "C:\\TOUCH\\touchman.exe",
         " Tormalin USB Dual-Touch Manager   v1.01.05Jan0907"},
        {"-f, started from elsewhere", true, nullptr, "D:\\KIT\\touchman.exe",
         " Tormalin USB Dual-Touch Manager   v1.01.21Mar1645"},
        {"caption file wins", true, "My Touch\r\n", "C:\\TOUCH\\touchman.exe", "My Touch"},
        {"cut at a control character", false, "Left\tRight\n", "C:\\TOUCH\\touchman.exe",
         "Left"},
        {"an empty first line", false, "\nsecond\n", "C:\\TOUCH\\touchman.exe", ""},
        {"-f, a file time without text", true, nullptr, "D:\\OLD\\touchman.exe",
         " Tormalin USB Dual-Touch Manager   v1.01"},
    };
    host.writeFile("C:\\TOUCH\\touchman.exe", "MZ");
    host.setFileTime("C:\\TOUCH\\touchman.exe",
                     platform::FakeHost::calendarTime(2015, 1, 5, 9, 7, 3));
    host.writeFile("D:\\KIT\\touchman.exe", "MZ");
    host.setFileTime("D:\\KIT\\touchman.exe",
                     platform::FakeHost::calendarTime(2016, 3, 21, 16, 45, 0));
    host.writeFile("D:\\OLD\\touchman.exe", "MZ");
    host.setFileTime("D:\\OLD\\touchman.exe", -1);
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(c.what);
        date_f = c.dateFlag;
        host.removeFile("touchman.ini");
        if (c.iniFile)
            host.writeFile("touchman.ini", c.iniFile);
        host.setCurrentDirectory(std::string(c.exeHere).rfind("C:", 0) == 0 ? "C:\\TOUCH"
                                                                              : "C:\\POS");
        host.setProgramPath(c.exeHere);
        EXPECT_EQ(open().caption(), c.caption);
        host.setCurrentDirectory("C:\\TOUCH");
    }
}

TEST_F(ManagerWindow, RunManagerShowsTheSplashThenTheWindowAndEndsWithZero) {
    plugIn(bankOf({0xA000, 0xA200}));
    const std::size_t m = host.mark();
    EXPECT_EQ(runManager(ui::Mode::Headless), 0);
    EXPECT_TRUE(inOrder(host.readFile("\\touchman.log"),
                        {" getpage2.aa00=0 \n", " in FormShow \n", "\n\n"}));
    // One monitor: each slot's layout update beeps; then the window's end.
    EXPECT_EQ(host.beeps(m), (std::vector<platform::BeepCall>{
                                 {500, 500}, {500, 500}, {1000, 100}, {2000, 100}}));
}

}  // namespace

}  // namespace touchman
