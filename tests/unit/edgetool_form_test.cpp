// The edge tool's window, headless: the read values in the editors, the edit, up-down and
// check box rules, and what Apply, OK, Cancel and Default send.
#include "common/debug_log.h"
#include "edgetool/edge_form.h"
#include "edgetool/flags.h"
#include "tests/support/terminal.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

using touchacc::TForm1;

class EdgeEditor : public ::testing::Test, public support::Terminal {
protected:
    EdgeEditor() { padlink.emplace(sim::defaultBank()); }
    void TearDown() override { closeLog(); }

    // Builds and shows the window as the program does.
    std::unique_ptr<TForm1> start(const char* commandLine = "", bool library = true) {
        if (library)
            host.addLibrary("padlink.dll", padlink->entries());
        touchacc::readFlags(commandLine);
        auto form = std::make_unique<TForm1>();
        form->show();
        return form;
    }

    sim::Controller& a000() { return padlink->controller(0xA000); }

    // What the window sent after start-up.
    std::vector<std::string> sent() { return padlink->journalLines("WriteTP a000 44315f736574"); }

    std::vector<std::string> editTexts(const TForm1& f) {
        std::vector<std::string> texts;
        for (const ui::Edit* e :
             {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6, f.Edit7, f.Edit8})
            texts.push_back(e->text());
        return texts;
    }
    std::vector<int> positions(const TForm1& f) {
        std::vector<int> p;
        for (const ui::UpDown* u : {f.UpDown1, f.UpDown2, f.UpDown3, f.UpDown4, f.UpDown5,
                                    f.UpDown6, f.UpDown7, f.UpDown8})
            p.push_back(u->position());
        return p;
    }
    std::vector<bool> checks(const TForm1& f) {
        return {f.CheckBox1->checked(), f.CheckBox2->checked(), f.CheckBox3->checked(),
                f.CheckBox4->checked()};
    }
};

TEST_F(EdgeEditor, ReadValuesLandInTheEditorsAndGoBackWithTheSwitchRule) {
    struct Case {
        int reported;
        std::vector<bool> boxes;  // Left, Right, Top, Bottom
        std::string switchByte;
    };
    const Case cases[] = {
        {0x08, {true, false, false, false}, "09"},
        {0x01, {false, false, false, false}, "00"},
        {0x1E, {true, true, true, true}, "1f"},
        {0x06, {false, false, true, true}, "07"},
        {0x00, {false, false, false, false}, "00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reported);
        padlink->clearJournal();
        a000().edgeMask = static_cast<std::uint8_t>(c.reported);
        a000().margins = {{11, 22, 33, 200}};  // top, bottom, left, right
        a000().comp = {{44, 55, 66, 0}};
        auto f = start();
        EXPECT_EQ(checks(*f), c.boxes);
        EXPECT_EQ(editTexts(*f),
                  (std::vector<std::string>{"33", "200", "11", "22", "66", "0", "44", "55"}));
        EXPECT_EQ(positions(*f), (std::vector<int>{33, 200, 11, 22, 66, 0, 44, 55}));
        f->Button3->click();
        EXPECT_EQ(sent(), (std::vector<std::string>{
                              "WriteTP a000 44315f73657465646765" + c.switchByte + "0b1621c80000",
                              "WriteTP a000 44315f73657463612c3742000000000000",
                          }));
    }
}

TEST_F(EdgeEditor, EditTakesADecimalFrom0To255AndElse0) {
    struct Case {
        const char* typed;
        const char* shown;
        int value;
    };
    const Case cases[] = {
        {"", "0", 0}, {"-5", "0", 0},       {"300", "0", 0},     {"abc", "0", 0},
        {"12a", "0", 0}, {"007", "7", 7},   {"200", "200", 200}, {"255", "255", 255},
        {"256", "0", 0}, {"99999999999", "0", 0},
    };
    auto f = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_TRUE(f->Edit1->type(c.typed));
        EXPECT_EQ(f->Edit1->text(), c.shown);
        EXPECT_EQ(f->UpDown1->position(), c.value);
        EXPECT_EQ(f->m_margin[edgeLeft], c.value);
    }
}

TEST_F(EdgeEditor, UpDownStepsItsRowWithinTheRange) {
    a000().comp = {{50, 0, 50, 255}};  // bottom compensation 0, right 255
    auto f = start();
    f->UpDown8->press(ui::arrowDown);
    EXPECT_EQ(f->Edit8->text(), "0");
    f->UpDown6->press(ui::arrowUp);
    EXPECT_EQ(f->Edit6->text(), "255");
    f->UpDown7->press(ui::arrowUp);
    f->UpDown7->press(ui::arrowUp);
    EXPECT_EQ(f->Edit7->text(), "52");
    EXPECT_EQ(f->m_comp, (std::array<std::int32_t, 4>{{52, 0, 50, 255}}));
}

TEST_F(EdgeEditor, CheckBoxesSetTheirEdgeBitAndApplyDropsALoneAnyBit) {
    struct Case {
        const char* what;
        std::vector<ui::CheckBox* TForm1::*> clicks;
        std::string switchByte;
    };
    const Case cases[] = {
        {"Left on and off again", {&TForm1::CheckBox1, &TForm1::CheckBox1}, "00"},
        {"Left and Top", {&TForm1::CheckBox1, &TForm1::CheckBox3}, "0b"},
        {"Right", {&TForm1::CheckBox2}, "11"},
        {"Bottom", {&TForm1::CheckBox4}, "05"},
        {"all, then Top off", {&TForm1::CheckBox1, &TForm1::CheckBox2, &TForm1::CheckBox3,
                               &TForm1::CheckBox4, &TForm1::CheckBox3}, "1d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        padlink->clearJournal();
        a000().edgeMask = 0;
        auto f = start();
        for (auto box : c.clicks)
            ((*f).*box)->click();
        f->Button3->click();
        EXPECT_EQ(sent().at(0),
                  "WriteTP a000 44315f73657465646765" + c.switchByte + "323232320000");
    }
}

TEST_F(EdgeEditor, ApplySendsBothBlocksWithTheWaitBetweenThemAndNoReply) {
    auto f = start();
    padlink->clearJournal();
    const std::size_t mark = host.mark();
    std::vector<std::string> duringWait;
    bool applyEnabledDuringWait = true;
    host.schedule(1, [&] {
        duringWait = padlink->journal();
        applyEnabledDuringWait = f->Button3->enabled();
    });
    f->Button3->click();
    EXPECT_EQ(duringWait,
              (std::vector<std::string>{"WriteTP a000 44315f7365746564676500323232320000"}));
    EXPECT_FALSE(applyEnabledDuringWait);
    EXPECT_TRUE(f->Button3->enabled());
    EXPECT_EQ(padlink->journal(), (std::vector<std::string>{
                                 "WriteTP a000 44315f7365746564676500323232320000",
                                 "WriteTP a000 44315f7365746361323232320000000000",
                             }));
    EXPECT_EQ(host.beeps(mark), (std::vector<platform::BeepCall>{{1000, 100}}));
    EXPECT_EQ(host.pauses(mark), std::vector<unsigned>{800});
}

TEST_F(EdgeEditor, ApplyWithNothingBoundSendsNothingButStillWaits) {
    struct Case {
        const char* commandLine;
        bool library;
    };
    for (const Case& c : {Case{"", false}, Case{"-d", true}}) {
        SCOPED_TRACE(c.commandLine);
        auto f = start(c.commandLine, c.library);
        const std::size_t mark = host.mark();
        f->Button3->click();
        EXPECT_TRUE(padlink->journalLines("WriteTP").empty());
        EXPECT_EQ(host.beeps(mark), (std::vector<platform::BeepCall>{{1000, 100}}));
        EXPECT_EQ(host.pauses(mark), std::vector<unsigned>{800});
    }
}

TEST_F(EdgeEditor, OkAppliesAndClosesCancelOnlyCloses) {
    for (bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        padlink->clearJournal();
        a000().edgeMask = 0x09;
        auto f = start();
        f->CheckBox1->click();
        (ok ? f->Button1 : f->Button2)->click();
        EXPECT_FALSE(f->visible());
        EXPECT_EQ(sent().size(), ok ? 2u : 0u);
        EXPECT_EQ(a000().edgeMask, ok ? 0 : 0x09);
    }
}

TEST_F(EdgeEditor, DefaultShowsTheFactoryValuesAndSendsNothingUntilApply) {
    a000().edgeMask = 0x1F;
    a000().margins = {{1, 2, 3, 4}};
    a000().comp = {{5, 6, 7, 8}};
    auto f = start();
    f->Button4->click();
    EXPECT_EQ(checks(*f), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(editTexts(*f), std::vector<std::string>(8, "50"));
    EXPECT_EQ(positions(*f), std::vector<int>(8, 50));
    EXPECT_TRUE(sent().empty());

    f->Button3->click();
    EXPECT_EQ(sent(), (std::vector<std::string>{
                          "WriteTP a000 44315f7365746564676500323232320000",
                          "WriteTP a000 44315f7365746361323232320000000000",
                      }));
}

}  // namespace
