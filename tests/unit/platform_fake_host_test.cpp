// The fake host's virtual time, scripted message boxes, registry tree, libraries, windows
// and the event record.
#include <gtest/gtest.h>

#include "platform/testing/fake_host.h"

using namespace platform;

TEST(PlatformFakeTime, PauseAdvancesTheClocksWithoutSleeping) {
    FakeHost fake;
    fake.setTickCount(5000);
    fake.setNow(FakeHost::calendarTime(2015, 1, 5, 9, 7, 3));
    std::time_t start = fake.now();

    fake.pause(800);
    EXPECT_EQ(fake.tickCount(), 5800u);
    EXPECT_EQ(fake.now(), start);  // less than a second so far
    fake.pause(200);
    EXPECT_EQ(fake.now(), start + 1);
    fake.pause(60000);
    EXPECT_EQ(fake.tickCount(), 66000u);
    EXPECT_EQ(fake.now(), start + 61);
    EXPECT_EQ(fake.pauses(), (std::vector<unsigned>{800, 200, 60000}));
}

TEST(PlatformFakeTime, CtimeTextOfCalendarTimes) {
    FakeHost fake;
    struct Case {
        int y, mo, d, h, mi, s;
        const char* text;
    };
    const Case cases[] = {
        {2015, 1, 5, 9, 7, 3, "Mon Jan 05 09:07:03 2015\n"},
        {2000, 2, 29, 23, 59, 59, "Tue Feb 29 23:59:59 2000\n"},
        {1999, 12, 31, 0, 0, 0, "Fri Dec 31 00:00:00 1999\n"},
        {1970, 1, 1, 0, 0, 0, "Thu Jan 01 00:00:00 1970\n"},
        {2024, 3, 10, 12, 30, 0, "Sun Mar 10 12:30:00 2024\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fake.ctimeText(FakeHost::calendarTime(c.y, c.mo, c.d, c.h, c.mi, c.s)), c.text);
    EXPECT_EQ(fake.ctimeText(fake.now()), "Mon Jan 05 09:07:03 2015\n");
}

TEST(PlatformFakeTime, ScheduledActionRunsInThePauseThatReachesIt) {
    FakeHost fake;
    fake.writeFile("tormalin.tok", " --- \n");
    fake.schedule(3000, [&] { fake.removeFile("tormalin.tok"); });
    int waits = 0;
    while (fake.fileExists("tormalin.tok") && waits < 40) {
        fake.pause(500);
        ++waits;
    }
    EXPECT_EQ(waits, 6);
}

TEST(PlatformFakeBoxes, AnswersComeFromTheQueueThenTheFirstButton) {
    FakeHost fake;
    fake.answerBoxes({answerNo, answerCancel});
    EXPECT_EQ(fake.messageBox("Install?", "T", boxYesNo), answerNo);
    EXPECT_EQ(fake.messageBox("Go on?", "T", boxOkCancel), answerCancel);
    EXPECT_EQ(fake.messageBox("Again?", "T", boxYesNo | boxIconError), answerYes);
    EXPECT_EQ(fake.messageBox("Touch PID Error!", "Tormalin USB Dual Touch Manager", boxOk),
              answerOk);
    ASSERT_EQ(fake.boxes().size(), 4u);
    EXPECT_EQ(fake.boxes().back(),
              (BoxCall{"Touch PID Error!", "Tormalin USB Dual Touch Manager", boxOk, answerOk}));
}

TEST(PlatformFakeRegistry, KeysAndValuesAreCaseInsensitiveAndTyped) {
    FakeHost fake;
    const std::string enumKey = "SYSTEM\\CurrentControlSet\\Services\\hidusb\\Enum";
    fake.setRegString(RegRoot::LocalMachine, enumKey, "0", "USB\\VID_7B94&PID_A000\\6&1A2B&0&1");
    fake.setRegInt(RegRoot::LocalMachine, enumKey, "Count", 1);
    fake.setRegString(RegRoot::LocalMachine, enumKey, "1", "USB\\X", RegType::MultiString);

    EXPECT_EQ(fake.openKey(RegRoot::CurrentUser, enumKey, false), nullptr);
    EXPECT_EQ(fake.lastError(), 2);
    auto key = fake.openKey(RegRoot::LocalMachine, "system\\currentcontrolset\\SERVICES\\HidUsb\\enum", false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->valueNames(), (std::vector<std::string>{"0", "Count", "1"}));
    EXPECT_EQ(key->valueType("COUNT"), RegType::Dword);
    EXPECT_EQ(key->valueType("1"), RegType::MultiString);
    EXPECT_EQ(key->valueType("none"), RegType::None);

    std::string text;
    std::int32_t number = 0;
    EXPECT_TRUE(key->readString("0", text));
    EXPECT_EQ(text, "USB\\VID_7B94&PID_A000\\6&1A2B&0&1");
    EXPECT_FALSE(key->readString("Count", text));
    EXPECT_FALSE(key->readString("1", text));
    EXPECT_FALSE(key->readInt("0", number));
    EXPECT_TRUE(key->readInt("count", number));
    EXPECT_EQ(number, 1);
    EXPECT_FALSE(key->writeString("x", "y"));  // opened for reading
    EXPECT_EQ(fake.lastError(), 5);
}

TEST(PlatformFakeRegistry, WritesCreateKeysAndAreRecorded) {
    FakeHost fake;
    const std::string cursors = "Control Panel\\Cursors";
    EXPECT_EQ(fake.openKey(RegRoot::CurrentUser, cursors, true, false), nullptr);
    std::size_t mark = fake.mark();
    {
        auto key = fake.openKey(RegRoot::CurrentUser, cursors, true);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->writeString("Arrow", "%SYSTEMROOT%\\Cursors\\null.cur"));
        EXPECT_TRUE(key->writeInt("Scheme Source", 2));
        EXPECT_TRUE(key->deleteValue("scheme source"));
        EXPECT_FALSE(key->deleteValue("Scheme Source"));
        EXPECT_EQ(fake.lastError(), 2);
    }
    EXPECT_EQ(fake.events(mark),
              (std::vector<std::string>{
                  "reg create HKCU\\Control Panel\\Cursors",
                  "reg set HKCU\\Control Panel\\Cursors\\Arrow '%SYSTEMROOT%\\Cursors\\null.cur'",
                  "reg set HKCU\\Control Panel\\Cursors\\Scheme Source 2",
                  "reg delete HKCU\\Control Panel\\Cursors\\scheme source"}));
    EXPECT_EQ(fake.regString(RegRoot::CurrentUser, "CONTROL PANEL\\cursors", "arrow"),
              "%SYSTEMROOT%\\Cursors\\null.cur");
    EXPECT_FALSE(fake.regInt(RegRoot::CurrentUser, cursors, "Scheme Source").has_value());

    fake.refuseRegistryWrites();
    EXPECT_EQ(fake.openKey(RegRoot::CurrentUser, cursors, true), nullptr);
    EXPECT_EQ(fake.lastError(), 5);
    EXPECT_NE(fake.openKey(RegRoot::CurrentUser, cursors, false), nullptr);
}

namespace {
int openPadlink() { return 0; }
}  // namespace

TEST(PlatformFakeLibraries, LoadsByNameAndCountsWhatIsStillLoaded) {
    FakeHost fake;
    fake.addLibrary("padlink.dll", {{"OpenPadlink", reinterpret_cast<void*>(&openPadlink)}});
    LibHandle first = fake.loadLibrary("PADLINK.DLL");
    LibHandle second = fake.loadLibrary("padlink.dll");
    ASSERT_NE(first, 0u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(fake.procAddress(first, "OpenPadlink"), reinterpret_cast<void*>(&openPadlink));
    EXPECT_EQ(fake.procAddress(first, "openpadlink"), nullptr);  // entries are case-sensitive
    EXPECT_EQ(fake.procAddress(first, "WriteTP"), nullptr);
    EXPECT_EQ(fake.loadLibrary("osassist.dll"), 0u);
    EXPECT_EQ(fake.openLibraries(), 2);
    fake.freeLibrary(first);
    fake.freeLibrary(second);
    EXPECT_EQ(fake.openLibraries(), 0);
    EXPECT_EQ(fake.loads(), (std::vector<std::string>{"PADLINK.DLL", "padlink.dll", "osassist.dll"}));
    EXPECT_EQ(fake.frees(), (std::vector<std::string>{"padlink.dll", "padlink.dll"}));
}

TEST(PlatformFakeWindows, StartedProgramsMayOpenTheWindowsThatGetThePosts) {
    FakeHost fake;
    const std::string title = " Tormalin USB Touch Calibrator Auto Launcher  v1.00";
    EXPECT_EQ(fake.findWindow("TForm1", title), 0u);
    fake.onRun = [&](const std::string& commandLine, int) {
        if (commandLine.rfind("longtap.exe", 0) == 0) fake.addWindow("TForm1", title);
        return true;
    };
    std::size_t mark = fake.mark();
    EXPECT_TRUE(fake.run("longtap.exe -v", showHidden));
    fake.pause(2000);
    WindowRef launcher = fake.findWindow("TForm1", title);
    ASSERT_NE(launcher, 0u);
    EXPECT_EQ(fake.findWindow("", title), launcher);
    EXPECT_EQ(fake.findWindow("TForm2", title), 0u);
    EXPECT_TRUE(fake.postMessage(launcher, 1224, 4660, 0));
    fake.removeWindow(launcher);
    EXPECT_FALSE(fake.postMessage(launcher, 1124, 4660, 0));
    fake.beep(500, 300);

    EXPECT_EQ(fake.runs(mark), (std::vector<RunCall>{{"longtap.exe -v", showHidden}}));
    EXPECT_EQ(fake.posts(mark), (std::vector<PostCall>{{launcher, 1224, 4660, 0},
                                                       {launcher, 1124, 4660, 0}}));
    EXPECT_EQ(fake.beeps(mark), (std::vector<BeepCall>{{500, 300}}));
    EXPECT_EQ(fake.events(mark),
              (std::vector<std::string>{"run 'longtap.exe -v' 0 -> started", "pause 2000",
                                        "find 'TForm1' '" + title + "' -> 0x1010",
                                        "find '' '" + title + "' -> 0x1010",
                                        "find 'TForm2' '" + title + "' -> 0x0",
                                        "post 0x1010 1224 4660 0 -> 1",
                                        "post 0x1010 1124 4660 0 -> 0", "beep 500 300"}));
}
