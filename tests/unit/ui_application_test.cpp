// The application object: main form, message loop with timers (in the fake host's virtual
// time), the standard error box, the end of the forms.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/testing/fake_host.h"
#include "ui/ui.h"

namespace {

std::vector<std::string>* journal = nullptr;

struct CountdownForm : ui::Form {
    ui::Timer* Timer1 = addTimer("Timer1", 7000, false);
    int ticks = 0;

    CountdownForm() : ui::Form("TForm1") {
        onShow = [this] { Timer1->setEnabled(true); };
        Timer1->onTimer = [this] {
            if (++ticks == 2) close();
        };
    }
    ~CountdownForm() override { journal->push_back("TForm1 destroyed"); }
};

struct OtherForm : ui::Form {
    OtherForm() : ui::Form("TAboutBox") {}
    ~OtherForm() override { journal->push_back("TAboutBox destroyed"); }
};

class UiApplication : public ::testing::Test {
protected:
    void SetUp() override { journal = &events; }
    void TearDown() override { journal = nullptr; }
    platform::FakeHost host;
    std::vector<std::string> events;
};

TEST_F(UiApplication, RunShowsTheMainFormAndEndsWhenItCloses) {
    ui::Application app(ui::Mode::Headless);
    app.setTitle("Tormalin Touch Screen Calibrator");
    CountdownForm* main = app.createForm<CountdownForm>();
    app.createForm<OtherForm>();
    EXPECT_EQ(app.mainForm(), main);
    app.run();
    EXPECT_TRUE(app.terminated());
    EXPECT_EQ(host.pauses(), (std::vector<unsigned>{7000, 7000}));
    EXPECT_EQ(events, (std::vector<std::string>{"TAboutBox destroyed", "TForm1 destroyed"}));
    EXPECT_EQ(app.mainForm(), nullptr);
}

TEST_F(UiApplication, ClosingAnotherFormOnlyHidesIt) {
    ui::Application app(ui::Mode::Headless);
    app.createForm<CountdownForm>();
    OtherForm* other = app.createForm<OtherForm>();
    other->show();
    other->close();
    EXPECT_FALSE(other->visible());
    EXPECT_FALSE(app.terminated());
}

TEST_F(UiApplication, WithoutShowMainFormTheMainFormStaysHidden) {
    ui::Application app(ui::Mode::Headless);
    app.setShowMainForm(false);
    CountdownForm* main = app.createForm<CountdownForm>();
    main->Timer1->setInterval(500);
    main->Timer1->setEnabled(true);
    main->Timer1->onTimer = [&] {
        EXPECT_FALSE(main->visible());
        main->close();
    };
    app.run();
    EXPECT_EQ(host.pauses(), std::vector<unsigned>{500});
}

TEST_F(UiApplication, ProcessMessagesFiresOnlyTimersThatAreDue) {
    ui::Application app(ui::Mode::Headless);
    CountdownForm* main = app.createForm<CountdownForm>();
    main->Timer1->setEnabled(true);
    app.processMessages();
    EXPECT_EQ(main->ticks, 0);
    host.setTickCount(host.tickCount() + 7000);
    app.processMessages();
    EXPECT_EQ(main->ticks, 1);
    main->Timer1->setEnabled(false);
    host.setTickCount(host.tickCount() + 7000);
    app.processMessages();
    EXPECT_EQ(main->ticks, 1);
}

TEST_F(UiApplication, ShowsAnExceptionInTheStandardErrorBox) {
    ui::Application app(ui::Mode::Headless);
    app.setTitle("Tormalin USB Touch Manager");
    app.showException(ui::Exception("???"));
    ASSERT_EQ(host.boxes().size(), 1u);
    EXPECT_EQ(host.boxes()[0].text, "???");
    EXPECT_EQ(host.boxes()[0].caption, "Tormalin USB Touch Manager");
    EXPECT_EQ(host.boxes()[0].buttons, platform::boxOk | platform::boxIconError);
}

TEST_F(UiApplication, OneApplicationAndNoWindowsInTheNativeBuild) {
    ui::Application app(ui::Mode::Headless);
    EXPECT_THROW(ui::Application second(ui::Mode::Headless), ui::Exception);
    EXPECT_EQ(ui::Application::current(), &app);
}

TEST_F(UiApplication, ScreenListsTheHostsMonitors) {
    host.setMonitors({{0, 0, 1024, 768, true, 1}, {1024, 0, 800, 600, false, 2}});
    EXPECT_EQ(ui::screen().monitorCount(), 2);
    EXPECT_EQ(ui::screen().monitors()[1].left, 1024);
    EXPECT_EQ(ui::screen().pixelsPerInch(), 96);
}

}  // namespace
