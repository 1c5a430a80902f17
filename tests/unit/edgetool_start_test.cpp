// The edge tool's start and end, headless: binding in the family, the caption with its
// version suffix, the start-up reads, the window's placement, the log of a whole run, the
// shutdown and the exception box.
#include "common/debug_log.h"
#include "edgetool/edge_form.h"
#include "edgetool/entry.h"
#include "edgetool/flags.h"
#include "tests/support/terminal.h"
#include "ui/exception.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using touchacc::TForm1;

const std::string design = touchacc::designCaption;
// One before each of the three start-up reads.
const std::vector<platform::BeepCall> startBeeps{{1000, 100}, {2000, 100}, {3000, 100}};

using support::bankOf;

std::string pointer(const void* p) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", p);
    return text;
}

// A terminal of its own per case, its controllers not yet behind padlink.dll.
struct ToolTerminal : support::Terminal {
    explicit ToolTerminal(sim::Bank bank = sim::defaultBank()) { padlink.emplace(std::move(bank)); }
    ~ToolTerminal() { closeLog(); }

    void plugIn() { host.addLibrary("padlink.dll", padlink->entries()); }

    // Builds and shows the window as the program does.
    std::unique_ptr<TForm1> start(const char* commandLine = "") {
        touchacc::readFlags(commandLine);
        auto form = std::make_unique<TForm1>();
        form->show();
        return form;
    }
};

TEST(EdgeStart, BindsTheFirstControllerOfTheFamilyThatOpens) {
    struct Case {
        const char* commandLine;
        std::initializer_list<int> present;
        std::vector<std::string> opens;
        std::string boundTo;  // "" when nothing bound
    };
    const Case cases[] = {
        {"", {0xA000, 0xA800}, {"OpenPadlink a000 -> 0"}, "a000"},
        {"-2", {0xA000, 0xA800, 0xA200}, {"OpenPadlink a000 -> 0"}, "a000"},
        {"", {0xA800}, {"OpenPadlink a000 -> 1", "OpenPadlink a800 -> 0"}, "a800"},
        {"-8", {0xAA00}, {"OpenPadlink a200 -> 1", "OpenPadlink aa00 -> 0"}, "aa00"},
        {"-8 -2", {0xA200, 0xAA00, 0xA000}, {"OpenPadlink a200 -> 0"}, "a200"},
        {"", {0xA200, 0xAA00}, {"OpenPadlink a000 -> 1", "OpenPadlink a800 -> 1"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.commandLine) + " to " + c.boundTo);
        ToolTerminal t(bankOf(c.present));
        t.plugIn();
        auto f = t.start(c.commandLine);
        EXPECT_EQ(t.padlink->journalLines("OpenPadlink"), c.opens);
        const auto writes = t.padlink->journalLines("WriteTP");
        EXPECT_EQ(writes.size(), c.boundTo.empty() ? 0u : 3u);
        for (const std::string& w : writes)
            EXPECT_EQ(w.substr(0, 13), "WriteTP " + c.boundTo + " ");
        EXPECT_EQ(t.host.openLibraries(), c.boundTo.empty() ? 0 : 1);
    }
}

TEST(EdgeStart, CaptionEndsInTheVersionOrTellsWhatWasMissing) {
    struct Case {
        const char* what;
        const char* commandLine;
        void (*arrange)(ToolTerminal&);
        const char* suffix;
    };
    const Case cases[] = {
        {"version 1.0.3", "",
         [](ToolTerminal& t) {
             t.padlink->controller(0xA000).version = {{1, 0, 3}};
             t.plugIn();
         },
         ".103"},
        {"reply without \" D\"", "",
         [](ToolTerminal& t) {
             t.padlink->controller(0xA000).faults.badVersion = true;
             t.plugIn();
         },
         ".0??"},
        {"no library", "", [](ToolTerminal&) {}, ".??"},
        {"no ReadTP", "",
         [](ToolTerminal& t) { t.host.addLibrary("padlink.dll", t.padlink->entriesWithout("ReadTP")); },
         ".??"},
        {"debug mode", "-d", [](ToolTerminal& t) { t.plugIn(); }, ".0??"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolTerminal t;
        c.arrange(t);
        auto f = t.start(c.commandLine);
        EXPECT_EQ(f->caption(), design + c.suffix);
    }
}

TEST(EdgeStart, ReadsWithABeepBeforeEachAndKeepsTheLibraryUntilShutdown) {
    ToolTerminal t;
    t.padlink->controller(0xA000).edgeMask = 0x10;
    t.plugIn();
    auto f = t.start();
    EXPECT_EQ(t.host.beeps(), startBeeps);
    EXPECT_EQ(t.host.pauses(), std::vector<unsigned>(6, 800));
    EXPECT_EQ(f->m_enabled, 0x11);
    EXPECT_EQ(t.host.openLibraries(), 1);

    const std::size_t mark = t.host.mark();
    f.reset();
    EXPECT_EQ(t.host.beeps(mark), (std::vector<platform::BeepCall>{{1000, 100}, {2000, 100}}));
    EXPECT_EQ(t.padlink->journal().back(), "ClosePadlink");
    EXPECT_EQ(t.host.openLibraries(), 0);
}

TEST(EdgeStart, DebugModeLoadsNothingAndShowsNineZeros) {
    ToolTerminal t;
    t.padlink->controller(0xA000).edgeMask = 0x1F;
    t.plugIn();
    auto f = t.start("-d");
    EXPECT_TRUE(t.host.loads().empty());
    EXPECT_EQ(t.host.beeps(), startBeeps);
    EXPECT_TRUE(t.host.pauses().empty());
    for (const ui::Edit* e :
         {f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5, f->Edit6, f->Edit7, f->Edit8})
        EXPECT_EQ(e->text(), "0") << e->name();
    for (const ui::CheckBox* b : {f->CheckBox1, f->CheckBox2, f->CheckBox3, f->CheckBox4})
        EXPECT_FALSE(b->checked()) << b->name();
    EXPECT_EQ(f->m_enabled, 0);
}

TEST(EdgeStart, CaptionFileLineReplacesTheDesignCaptionUpToTheFirstUnprintable) {
    struct Case {
        const char* what;
        std::optional<std::string> file;
        std::string caption;
    };
    const Case cases[] = {
        {"no file", std::nullopt, design},
        {"empty file", "", design},
        {"two lines", "Front Desk Touch\r\nBack Office\r\n", "Front Desk Touch"},
        {"empty first line", "\nBack Office\n", ""},
        {"tab", "Lane 3\tcustomer side\n", "Lane 3"},
        {"byte above 0x7E", "Caf\xe9 Touch\n", "Caf"},
        {"long line", std::string(300, 'x') + "\n", std::string(254, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolTerminal t;
        if (c.file)
            t.host.writeFile("touchacc.ini", *c.file);
        auto f = t.start();
        EXPECT_EQ(f->caption(), c.caption + ".??");
    }
}

TEST(EdgeStart, WindowIsCentredOnTheChosenDisplayAndDefaultKeepsIt) {
    using Monitors = std::vector<platform::Monitor>;
    const platform::Monitor main{0, 0, 1024, 768, true, 1};
    const platform::Monitor right{1024, 0, 800, 600, false, 2};
    const platform::Monitor small{-640, 0, 640, 480, false, 3};
    struct Case {
        const char* what;
        Monitors monitors;
        const char* commandLine;
        int left, top;
    };
    // The headless frame makes the window 730 x 529.
    const Case cases[] = {
        {"one display", {main}, "", 147, 119},
        {"one display, -2", {main}, "-2", 147, 119},
        {"primary second", {right, main}, "", 147, 119},
        {"primary second, -2", {right, main}, "-2", 1059, 35},
        {"three", {main, small, right}, "", 147, 119},
        {"three, -2: small display, truncated", {main, small, right}, "-2", -685, -24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolTerminal t;
        t.host.setMonitors(c.monitors);
        auto f = t.start(c.commandLine);
        ASSERT_EQ(f->width(), 730);
        ASSERT_EQ(f->height(), 529);
        EXPECT_EQ(f->left(), c.left);
        EXPECT_EQ(f->top(), c.top);
        f->setBounds(5, 5, f->width(), f->height());
        f->Button4->click();
        EXPECT_EQ(f->left(), c.left);
        EXPECT_EQ(f->top(), c.top);
    }
}

TEST(EdgeStart, WholeRunLogsItsStepsAndEndsWithZero) {
    ToolTerminal t;
    t.plugIn();
    t.host.writeFile("\\touchacc.log", "earlier run\n");
    EntryArgs args;
    args.commandLine = "-2";
    args.show = 1;
    EXPECT_EQ(touchacc::touchaccMain(args, ui::Mode::Headless), 0);

    const auto entries = t.padlink->entries();
    const std::string library = pointer(reinterpret_cast<void*>(0x10000000));
    std::string expected = "earlier run\n"
                           " ------ 950116,101.8.3 ------ Mon Jan 05 09:07:03 2015\n"
                           " hi=" + pointer(nullptr) + ", hip=" + pointer(nullptr) +
                           ", num=1, cp=-2 \n"
                           " in openusb( a000 ) \n"
                           " LoadLibrary( padlink.dll )=" + library + " \n";
    for (const std::string entry : {"OpenPadlink", "WriteTP", "ReadTP", "ClosePadlink", "SetID"})
        expected += " GetProcAddress( " + entry + " )=" + pointer(entries.at(entry)) + " \n";
    expected += " ofp()=0, pid=a000 \n"
                " in wrtp( D1_rfwver ) \n"
                " D1_rfwver=  20  44  0  0  0  0  0  0  0  0  4  0  0  0  0  0  0 \n"
                " caption=" + design + ".400 \n"
                " in wrtp( D1_readedge ) \n"
                " D1_readedge=  20  44  0  0  0  0  0  0  0  0  32  32  32  32  0  0  0 \n"
                " in wrtp( D1_readcav ) \n"
                " D1_readcav=  20  44  0  0  0  0  0  0  0  32  32  32  32  0  0  0  0 \n"
                " snd_f=1, idx=0, Top=119, Left=147 \n"
                "\n\n";
    EXPECT_EQ(t.host.readFile("\\touchacc.log"), expected);
    EXPECT_EQ(t.host.beeps(), (std::vector<platform::BeepCall>{{1000, 100}, {2000, 100},
                                                               {3000, 100}, {1000, 100},
                                                               {2000, 100}}));
    EXPECT_EQ(t.host.openLibraries(), 0);
    EXPECT_TRUE(t.host.boxes().empty());
}

// Thrown from inside the start-up reads, as from any code the window runs.
int PADLINK_CALL throwingWriteTP(unsigned char*) { throw std::runtime_error("device gone"); }
int PADLINK_CALL failingWriteTP(unsigned char*) {
    throw ui::Exception("Control has no parent window");
}

TEST(EdgeStart, ExceptionsEndInTheFrameworksErrorBox) {
    struct Case {
        void* writeTP;
        const char* text;
    };
    const Case cases[] = {
        {reinterpret_cast<void*>(&throwingWriteTP), "950116"},
        {reinterpret_cast<void*>(&failingWriteTP), "Control has no parent window"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ToolTerminal t;
        auto entries = t.padlink->entries();
        entries["WriteTP"] = c.writeTP;
        t.host.addLibrary("padlink.dll", entries);
        EXPECT_EQ(touchacc::touchaccMain({}, ui::Mode::Headless), 0);
        const platform::BoxCall box{c.text, touchacc::appTitle,
                                    platform::boxOk | platform::boxIconError};
        EXPECT_EQ(t.host.boxes(), std::vector<platform::BoxCall>{box});
    }
}

TEST(EdgeStart, AnApplicationObjectThatCannotBeMadeEndsInTheErrorBoxToo) {
    ToolTerminal t;
    // This build has no window system: making the application object throws.
    EXPECT_EQ(touchacc::touchaccMain({}, ui::Mode::Windows), 0);
    const platform::BoxCall box{"This build has no window system", touchacc::appTitle,
                                platform::boxOk | platform::boxIconError};
    EXPECT_EQ(t.host.boxes(), std::vector<platform::BoxCall>{box});
}

}  // namespace
