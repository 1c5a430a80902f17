// A calibration run, headless: the run start with its commands and pauses, the four
// targets, the final judgement, the restart, Esc, the cursor, and how each mode ends.
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/unit/calibrator_fixture.h"

namespace touchcal {
namespace {

using Beeps = std::vector<platform::BeepCall>;
using Pauses = std::vector<unsigned>;
using Texts = std::vector<std::string>;

std::string at(const ui::Control& c) {
    return std::to_string(c.left()) + "," + std::to_string(c.top());
}

TEST(CalibratorRun, StartAcceptedRefusedAndInDebugMode) {
    struct Case {
        const char* what;
        const char* commandLine;
        std::function<void(Terminal&)> arrange;
        Texts calls;  // the library's calls during the run start
        Texts sent;
        Pauses pauses;
        Beeps beeps;
        bool shown;
        int cursor;
    };
    const auto refusing = [](Terminal& t) {
        t.pad.controller(0xA000).faults.refuseCalibration = true;
        t.plugIn();
    };
    const Case cases[] = {
        {"accepted", "", [](Terminal& t) { t.plugIn(); }, {"WriteTP", "WriteTP", "ReadTP"},
         {cancelSent, calibrateSent}, {300, 300}, {}, true, -1},
        {"refused: cancelled again", "", refusing, {"WriteTP", "WriteTP", "ReadTP", "WriteTP"},
         {cancelSent, calibrateSent, cancelSent}, {300, 300}, {{3000, 50}}, false, 0},
        {"debug mode: nothing sent, nothing checked", "-d", refusing, {}, {}, {300, 300}, {},
         true, 0},
        {"debug mode without a controller", "-d",
         [](Terminal& t) {
             t.pad.bank().clear();
             t.plugIn();
         },
         {}, {}, {300, 300}, {}, true, 0},
        {"debug mode without the library", "-d", [](Terminal&) {}, {}, {}, {300, 300}, {}, true,
         0},
        {"no library", "", [](Terminal&) {}, {}, {}, {}, {{500, 500}}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Terminal t;
        c.arrange(t);
        t.start(c.commandLine);
        t.pad.clearJournal();
        const std::size_t mark = t.host.mark();
        t.pressStart();
        EXPECT_EQ(t.calls(), c.calls);
        EXPECT_EQ(t.sent(), c.sent);
        EXPECT_EQ(t.host.pauses(mark), c.pauses);
        EXPECT_EQ(t.host.beeps(mark), c.beeps);
        EXPECT_EQ(t.box->visible(), c.shown);
        EXPECT_EQ(t.main->enabled(), !c.shown);
        EXPECT_EQ(t.main->Button1->enabled(), !c.shown);
        EXPECT_EQ(t.host.cursorCount(), c.cursor);
        if (c.shown) {
            EXPECT_EQ(t.box->step_n, 0);
            EXPECT_EQ(at(*t.box), "0,0");
            EXPECT_EQ(t.box->width(), 1024);
            EXPECT_EQ(t.box->height(), 768);
            EXPECT_EQ(at(*t.box->Image1), "98,640");
        }
    }
}

std::vector<std::array<std::uint8_t, 32>> blocks;
WriteTPFn passOn = nullptr;

int PADLINK_CALL keepBlock(unsigned char* block) {
    std::array<std::uint8_t, 32> copy{};
    std::memcpy(copy.data(), block, copy.size());
    blocks.push_back(copy);
    return passOn(block);
}

// The library reads a whole block from the pointer: the text, then zeros, never past it.
TEST(CalibratorRun, CommandsGoOutAsTextInAZeroFilledBlock) {
    Terminal t;
    std::map<std::string, void*> entries = t.pad.entries();
    passOn = reinterpret_cast<WriteTPFn>(entries["WriteTP"]);
    entries["WriteTP"] = reinterpret_cast<void*>(&keepBlock);
    t.host.addLibrary("padlink.dll", entries);
    t.start();
    blocks.clear();
    t.pressStart();
    t.esc();
    ASSERT_EQ(blocks.size(), 3u);
    const char* texts[] = {"D1_swcancel          ", "D1_calibrst          ", "D1_swcancel          "};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(blocks[i].data()), 21), texts[i]);
        EXPECT_EQ(std::vector<std::uint8_t>(blocks[i].begin() + 21, blocks[i].end()),
                  std::vector<std::uint8_t>(11, 0));
    }
}

TEST(CalibratorRun, CornerTouchesAnywhereMoveOnAndTheFinalOneMustHitThePicture) {
    Terminal t;
    t.plugIn();
    t.start();
    t.pressStart();
    t.pad.clearJournal();
    EXPECT_TRUE(t.box->Image1->visible());
    EXPECT_TRUE(t.box->Label3->visible());
    EXPECT_FALSE(t.box->Label4->visible());
    EXPECT_EQ(at(*t.box->Label3), "412,371");  // 200 x 25 in the middle of 1024 x 768

    struct Step {
        const char* what;
        std::function<void(Terminal&)> touch;
        platform::BeepCall beep;
        Pauses pauses;
        int step;
        std::string picture;
    };
    const Step steps[] = {
        {"corner 1 on the picture", [](Terminal& t) { t.touchPicture(); }, {1000, 100}, {}, 1,
         "865,640"},
        {"corner 2 on the notice", [](Terminal& t) { t.touch(512, 383); }, {1500, 100}, {}, 2,
         "865,62"},
        {"corner 3 in a blank corner", [](Terminal& t) { t.touch(5, 5); }, {2000, 100}, {300}, 3,
         "480,256"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        const std::size_t mark = t.host.mark();
        s.touch(t);
        EXPECT_EQ(t.host.beeps(mark), Beeps{s.beep});
        EXPECT_EQ(t.host.pauses(mark), s.pauses);
        EXPECT_EQ(t.box->step_n, s.step);
        EXPECT_EQ(at(*t.box->Image1), s.picture);
        EXPECT_TRUE(t.box->Image1->visible());
        EXPECT_FALSE(t.box->Label4->visible() && s.step < 3);
    }
    // The final step: the instruction instead of the notice, centred.
    EXPECT_FALSE(t.box->Label3->visible());
    ui::Label& instruction = *t.box->Label4;
    ASSERT_TRUE(instruction.visible());
    EXPECT_EQ(instruction.caption(), finalText);
    EXPECT_EQ(instruction.left(), (1024 - instruction.width()) / 2);
    EXPECT_EQ(instruction.top(), (768 - instruction.height()) / 2);

    std::size_t mark = t.host.mark();
    t.touch(instruction.left() + 2, instruction.top() + 2);
    EXPECT_EQ(t.host.mark(), mark);
    EXPECT_EQ(instruction.caption(), finalText);
    EXPECT_TRUE(t.box->visible());

    // The far corner pixel of the picture's 64 x 64 box.
    t.touch(480 + 63, 256 + 63);
    EXPECT_EQ(t.host.beeps(mark), (Beeps{{2500, 100}}));
    EXPECT_FALSE(t.box->visible());
    EXPECT_TRUE(t.main->visible());
    EXPECT_TRUE(t.main->enabled());
    EXPECT_TRUE(t.main->Button1->enabled());
    EXPECT_TRUE(t.pad.journal().empty());
    EXPECT_FALSE(t.app->terminated());
    EXPECT_EQ(t.host.cursorCount(), 0);
}

TEST(CalibratorRun, ATouchBesideTheFinalPictureRestartsWithoutHidingTheCursorAgain) {
    Terminal t;
    t.plugIn();
    t.start();
    t.pressStart();
    t.touchCorners();
    ASSERT_EQ(t.box->step_n, 3);
    t.pad.clearJournal();
    std::size_t mark = t.host.mark();
    // Just left of the picture; the new run starts from the lower left corner.
    t.touch(479, 256 + 10);
    EXPECT_EQ(t.host.pauses(mark), (Pauses{2000, 300, 300}));
    EXPECT_EQ(t.sent(), (Texts{cancelSent, calibrateSent}));
    EXPECT_EQ(t.box->step_n, 0);
    EXPECT_EQ(at(*t.box->Image1), "98,640");
    EXPECT_TRUE(t.box->Label3->visible());
    EXPECT_FALSE(t.box->Label4->visible());
    EXPECT_TRUE(t.box->visible());

    // Refused this time: the message stays, and a further touch beside it tries again.
    t.touchCorners();
    t.pad.controller(0xA000).faults.refuseCalibration = true;
    t.pad.clearJournal();
    mark = t.host.mark();
    t.touch(5, 760);
    EXPECT_EQ(t.sent(), (Texts{cancelSent, calibrateSent, cancelSent}));
    EXPECT_EQ(t.host.beeps(mark), (Beeps{{3000, 50}}));
    EXPECT_TRUE(t.box->visible());
    EXPECT_EQ(t.box->Label4->caption(), wrongSpotText);
    EXPECT_FALSE(t.box->Image1->visible());
    t.pad.controller(0xA000).faults.refuseCalibration = false;
    t.touch(5, 760);
    EXPECT_EQ(t.box->step_n, 0);
    EXPECT_TRUE(t.box->Image1->visible());

    t.touchCorners();
    t.touchPicture();
    EXPECT_FALSE(t.box->visible());
    Texts cursor;
    for (const std::string& e : t.host.events())
        if (e.rfind("cursor", 0) == 0)
            cursor.push_back(e);
    EXPECT_EQ(cursor, (Texts{"cursor hide -> -1", "cursor show -> 0"}));
}

TEST(CalibratorRun, EscCancelsInEveryStepAndEndsTheAutoModes) {
    struct Case {
        const char* commandLine;
        bool sends, ends;
    };
    const Case modes[] = {
        {"", true, false},      {"-s", true, true},      {"-i", true, true},
        {"-d", false, false},   {"-d -s", false, false}, {"-i -d", false, false},
    };
    for (const Case& c : modes) {
        for (int touches = 0; touches <= 3; ++touches) {
            SCOPED_TRACE(std::string(c.commandLine) + " after " + std::to_string(touches));
            Terminal t;
            t.plugIn();
            t.start(c.commandLine);
            if (auto_f)
                t.expire();
            else
                t.pressStart();
            ASSERT_TRUE(t.box->visible());
            for (int i = 0; i < touches; ++i)
                t.touchPicture();
            ASSERT_EQ(t.box->step_n, touches);
            t.pad.clearJournal();
            const std::size_t mark = t.host.mark();
            t.esc();
            EXPECT_EQ(t.sent(), c.sends ? Texts{cancelSent} : Texts{});
            EXPECT_EQ(t.host.pauses(mark), c.sends ? Pauses{300} : Pauses{});
            EXPECT_FALSE(t.box->visible());
            EXPECT_TRUE(t.main->visible());
            EXPECT_TRUE(t.main->enabled());
            EXPECT_TRUE(t.main->Button1->enabled());
            EXPECT_EQ(t.app->terminated(), c.ends);
            // Hidden at the start outside debug mode, shown once by the cancel.
            EXPECT_EQ(t.host.cursorCount(), c.sends ? 0 : 1);
        }
    }
}

TEST(CalibratorRun, OtherKeysDoNothing) {
    Terminal t;
    t.plugIn();
    t.start();
    t.pressStart();
    t.pad.clearJournal();
    EXPECT_EQ(t.box->keyPress('q'), 'q');
    EXPECT_EQ(t.box->keyPress(13), 13);
    EXPECT_TRUE(t.box->visible());
    EXPECT_TRUE(t.pad.journal().empty());
}

TEST(CalibratorRun, CountdownStartsTheRunAndEachModeEndsAsItShould) {
    struct Case {
        const char* commandLine;
        bool refuse;
        unsigned interval;
        bool targets;  // the target window after the countdown
        bool mainVisible, ends;
        int cursor;
    };
    const Case cases[] = {
        {"-s", false, 7000, true, true, false, -1},
        // Start comes back for the user.
        {"-s", true, 7000, false, true, false, 0},
        {"-i", false, 500, true, false, false, -1},
        // Nothing left to show: the program ends rather than linger unseen.
        {"-i", true, 500, false, false, true, 0},
        {"-i -d", true, 500, true, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.commandLine) + (c.refuse ? " refused" : ""));
        Terminal t;
        t.pad.controller(0xA000).faults.refuseCalibration = c.refuse;
        t.plugIn();
        t.start(c.commandLine);
        EXPECT_EQ(t.main->Timer1->interval(), c.interval);
        EXPECT_TRUE(t.main->Timer1->enabled());
        EXPECT_FALSE(t.main->Button1->visible());
        EXPECT_TRUE(t.main->Label1->visible());
        EXPECT_TRUE(t.main->Label2->visible());
        t.expire();
        EXPECT_FALSE(t.main->Timer1->enabled());
        EXPECT_TRUE(t.main->Button1->visible());
        EXPECT_TRUE(t.main->Button1->enabled());
        EXPECT_EQ(t.box->visible(), c.targets);
        EXPECT_EQ(t.main->visible(), c.mainVisible);
        EXPECT_EQ(t.app->terminated(), c.ends);
        EXPECT_EQ(t.host.cursorCount(), c.cursor);
        if (c.targets) {
            t.touchCorners();
            t.touchPicture();
            EXPECT_TRUE(t.app->terminated());
            EXPECT_EQ(t.host.cursorCount(), c.cursor + 1);
        }
    }
}

TEST(CalibratorRun, ManualRunsFollowOneAnother) {
    Terminal t;
    t.plugIn();
    t.start();
    EXPECT_FALSE(t.main->Timer1->enabled());
    EXPECT_TRUE(t.main->Button1->visible());
    EXPECT_FALSE(t.main->Label1->visible());
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        t.pressStart();
        ASSERT_TRUE(t.box->visible());
        t.touchCorners();
        t.touchPicture();
        EXPECT_FALSE(t.box->visible());
        EXPECT_FALSE(t.app->terminated());
        EXPECT_EQ(t.host.cursorCount(), 0);
    }
}

TEST(CalibratorRun, TopmostFlagRaisesTheApplicationAtEachRunStart) {
    Terminal t;
    t.plugIn();
    t.start("-t");
    EXPECT_FALSE(t.app->topmost());
    t.pressStart();
    EXPECT_TRUE(t.app->topmost());
}

}  // namespace
}  // namespace touchcal
