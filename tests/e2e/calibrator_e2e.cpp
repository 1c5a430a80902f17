// touchcal.exe under Wine against the stand-in padlink.dll, driven by real mouse input: the
// robot moves the pointer onto each target where the window shows it and presses the
// button, and the simulator's journal shows what reached the controller.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "calibrator/target_places.h"
#include "tests/e2e/program_fixture.h"

namespace {

const std::string touchcalExe = robot::windowsPath(KIT_DIST_DIR "/touchcal.exe");
const std::string designCaption = "  Tormalin USB Touch Calibration Utility   v1.04";
const std::string appTitle = "Tormalin Touch Screen Calibrator";
// The firmware query waits 800 ms before the window shows.
constexpr int startTimeoutMs = 20000;

// The 17 bytes the controller sees of each run command.
const std::string cancelLine = "WriteTP a000 44315f737763616e63656c202020202020";
const std::string calibrateLine = "WriteTP a000 44315f63616c6962727374202020202020";

// The same places as the native build computes, here from the Windows build's code.
TEST(CalibratorPlacesWin, TargetPlacesOfTheWindowsBuild) {
    struct Case {
        int w, h;
        touchcal::Place lowerLeft, lowerRight, upperRight, last;
    };
    const Case cases[] = {
        {1024, 768, {98, 640}, {865, 640}, {865, 62}, {480, 256}},
        {800, 600, {72, 495}, {670, 495}, {670, 44}, {368, 200}},
        {1920, 1080, {204, 908}, {1645, 908}, {1645, 96}, {928, 360}},
        {1000, 1000, {95, 839}, {844, 839}, {844, 88}, {468, 333}},
        {1280, 1024, {129, 860}, {1088, 860}, {1088, 90}, {608, 341}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
        EXPECT_TRUE(touchcal::cornerPlace(0, c.w, c.h) == c.lowerLeft);
        EXPECT_TRUE(touchcal::cornerPlace(1, c.w, c.h) == c.lowerRight);
        EXPECT_TRUE(touchcal::cornerPlace(2, c.w, c.h) == c.upperRight);
        EXPECT_TRUE(touchcal::finalPlace(c.w, c.h) == c.last);
    }
}

std::string windowClass(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return std::string(name) + " \"" + robot::text(window) + "\" " + robot::controlName(window);
}

// A finger on the panel: once the window system would give a click there to `target`, the
// pointer moves there and the left button goes down and up.
void tap(HWND target, int x, int y) {
    ASSERT_TRUE(robot::waitUntil([&] { return WindowFromPoint(POINT{x, y}) == target; }))
        << "at " << x << "," << y << ": " << windowClass(WindowFromPoint(POINT{x, y}))
        << " instead of " << windowClass(target);
    // Moved as a mouse moves it, again until the system reports it there: under Wine a
    // move made while the program is busy may be undone by the next pointer event.
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = (x * 65535 + (w - 1) / 2) / (w - 1);
    move.mi.dy = (y * 65535 + (h - 1) / 2) / (h - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    POINT at{};
    ASSERT_TRUE(robot::waitUntil([&] {
        SendInput(1, &move, sizeof(INPUT));
        SetCursorPos(x, y);
        Sleep(20);
        return GetCursorPos(&at) && std::abs(at.x - x) <= 1 && std::abs(at.y - y) <= 1;
    })) << "the pointer did not reach " << x << "," << y << " but " << at.x << "," << at.y;
    INPUT in[2] = {};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].type = INPUT_MOUSE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

// The screen as a 24-bit BMP, for a look at each step.
void screenshot(const std::string& name) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const int stride = (w * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * h);
    GetDIBits(mem, bmp, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    CreateDirectoryA(robot::windowsPath(KIT_SHOT_DIR).c_str(), nullptr);
    std::ofstream out(robot::windowsPath(KIT_SHOT_DIR "/" ) + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

class CalibratorE2E : public ProgramTest {
protected:
    void SetUp() override {
        prepare("touchcal", {"touchcal.ini"});
        writeFile(state, "pid=a000 version=1,4,2\n");
    }

    void start(const std::string& args = "") {
        ProgramTest::start(touchcalExe, args, startTimeoutMs);
    }

    // The target window once it is shown, and its picture.
    void awaitTargets() {
        box = program->window("TAboutBox", appTitle, startTimeoutMs);
        ASSERT_NE(box, nullptr);
        picture = robot::findControl(box, "Image1");
        ASSERT_NE(picture, nullptr);
    }

    RECT pictureRect() {
        RECT r{};
        GetWindowRect(picture, &r);
        return r;
    }

    // Waits for the picture at a place of the monitor, shown.
    bool pictureAt(touchcal::Place p) {
        return robot::waitUntil([&] {
            const RECT r = pictureRect();
            return robot::visible(picture) && r.left == p.left && r.top == p.top &&
                   r.right - r.left == 64 && r.bottom - r.top == 64;
        });
    }

    void tapPicture() {
        const RECT r = pictureRect();
        tap(picture, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    // The four steps' places on this screen.
    std::vector<touchcal::Place> places() {
        const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        return {touchcal::cornerPlace(0, w, h), touchcal::cornerPlace(1, w, h),
                touchcal::cornerPlace(2, w, h), touchcal::finalPlace(w, h)};
    }

    // Taps the three corners where they show, and waits for the final target.
    void tapCorners(const char* shotPrefix = nullptr) {
        const std::vector<touchcal::Place> at = places();
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(pictureAt(at[i])) << "corner " << i;
            if (shotPrefix)
                screenshot(std::string(shotPrefix) + std::to_string(i + 1));
            tapPicture();
        }
        ASSERT_TRUE(pictureAt(at[3]));
    }

    bool boxHidden() {
        return robot::waitUntil([&] { return !IsWindow(box) || !robot::visible(box); });
    }

    std::vector<std::string> writes() { return fileLines(journal, "WriteTP"); }

    HWND box = nullptr;
    HWND picture = nullptr;
};

TEST_F(CalibratorE2E, StartFourTapsAndTheRunCompletesWithNothingMoreSent) {
    start();
    EXPECT_EQ(robot::text(form), designCaption + ".14");
    EXPECT_TRUE(robot::visible(control("Button1")));
    screenshot("touchcal-main");
    robot::click(control("Button1"));
    awaitTargets();
    RECT full{};
    GetWindowRect(box, &full);
    EXPECT_EQ(full.left, 0);
    EXPECT_EQ(full.top, 0);
    EXPECT_EQ(full.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(full.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_FALSE(robot::enabled(form));
    // The screen of these tests is 1280 x 1024.
    if (full.right == 1280 && full.bottom == 1024) {
        const std::vector<touchcal::Place> at = places();
        EXPECT_TRUE(at[1] == (touchcal::Place{1088, 860}));
    }
    tapCorners("touchcal-step");
    screenshot("touchcal-step4");
    tapPicture();
    ASSERT_TRUE(boxHidden());
    ASSERT_TRUE(robot::waitUntil([&] { return robot::enabled(form) && robot::visible(form); }));
    EXPECT_TRUE(robot::enabled(control("Button1")));
    const std::vector<std::string> sent = writes();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1], cancelLine);
    EXPECT_EQ(sent[2], calibrateLine);
    EXPECT_EQ(fileLines(journal, "").back().rfind("ReadTP a000 ", 0), 0u);
    finishWith("Button2");
    EXPECT_EQ(writes().back(), cancelLine);
}

TEST_F(CalibratorE2E, ATapBesideTheFinalTargetRestartsAndEscCancels) {
    start();
    robot::click(control("Button1"));
    awaitTargets();
    tapCorners();
    const RECT r = pictureRect();
    tap(box, r.left - 40, r.top + 20);
    // After 2 s the run starts again from the lower left corner.
    ASSERT_TRUE(pictureAt(places()[0]));
    std::vector<std::string> sent = writes();
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(sent.begin() + 3, sent.end()),
              (std::vector<std::string>{cancelLine, calibrateLine}));

    tapPicture();
    ASSERT_TRUE(pictureAt(places()[1]));
    robot::typeChar(box, 27);
    ASSERT_TRUE(boxHidden());
    ASSERT_TRUE(robot::waitUntil([&] { return robot::enabled(form) && robot::visible(form); }));
    sent = writes();
    ASSERT_EQ(sent.size(), 6u);
    EXPECT_EQ(sent.back(), cancelLine);
    finishWith("Button2");
}

TEST_F(CalibratorE2E, ImmediateModeRunsAndEndsByItself) {
    launch(touchcalExe, "-i");
    awaitTargets();
    EXPECT_EQ(program->window("TForm1", "", 0), nullptr);
    tapCorners();
    tapPicture();
    ASSERT_TRUE(program->waitExit());
    EXPECT_EQ(program->exitCode(), 0u);
    const std::vector<std::string> sent = writes();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[1], cancelLine);
    EXPECT_EQ(sent[2], calibrateLine);
    EXPECT_EQ(sent[3], cancelLine);  // at the end of the program
}

TEST_F(CalibratorE2E, ImmediateModeEndsByItselfWhenTheControllerRefuses) {
    writeFile(state, "pid=a000 version=1,4,2 faults=refuse-calibration\n");
    launch(touchcalExe, "-i");
    ASSERT_TRUE(program->waitExit(startTimeoutMs));
    EXPECT_EQ(program->exitCode(), 0u);
    const std::vector<std::string> sent = writes();
    EXPECT_EQ(std::vector<std::string>(sent.begin() + 1, sent.end()),
              (std::vector<std::string>{cancelLine, calibrateLine, cancelLine, cancelLine}));
}

TEST_F(CalibratorE2E, ImmediateModeEndsAfterTheBoxWhenNoControllerIsFound) {
    writeFile(state, "pid=a000 faults=absent\n");
    launch(touchcalExe, "-i");
    EXPECT_EQ(robot::dismissBox("Tormalin Touch Calibrator3", startTimeoutMs, program->id()),
              "No touch device found!");
    ASSERT_TRUE(program->waitExit());
    EXPECT_EQ(program->exitCode(), 0u);
}

TEST_F(CalibratorE2E, ASecondStartLeavesTheFirstAlone) {
    start();
    robot::Program second("\"" + touchcalExe + "\" -i", workDir);
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(second.waitExit());
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_EQ(program->exitCode(), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(robot::visible(form));
    EXPECT_EQ(writes().size(), 1u);  // only the first start's version query
    finishWith("Button2");
}

}  // namespace
