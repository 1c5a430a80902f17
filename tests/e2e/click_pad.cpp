#include "tests/e2e/click_pad.h"

#include <windows.h>

#include "tests/e2e/program_fixture.h"

namespace clickpad {

namespace {

const std::string clickpadExe = robot::windowsPath(KIT_BIN_DIR "/clickpad.exe");

void mouseButton(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

}  // namespace

bool Pad::start(const std::string& workDir, const std::string& clicks) {
    m_clicks = clicks;
    m_program = std::make_unique<robot::Program>(
        "\"" + clickpadExe + "\" \"" + clicks + "\"", workDir);
    if (!m_program->started()) return false;
    HWND window = m_program->window("ClickPad", "");
    if (!window) return false;
    WaitForInputIdle(m_program->handle(), 5000);
    RECT r;
    GetWindowRect(window, &r);
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    SetCursorPos(middle.x, middle.y);
    return robot::waitUntil([&] { return WindowFromPoint(middle) == window; });
}

void Pad::press(int ms) {
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    Sleep(ms);
    mouseButton(MOUSEEVENTF_LEFTUP);
}

std::string Pad::record() const {
    std::string letters;
    for (const std::string& line : fileLines(m_clicks, ""))
        letters += line == "L down" ? 'l' : line == "L up" ? 'L' : line == "R down" ? 'r' : 'R';
    return letters;
}

std::string Pad::recorded(std::size_t expected) {
    robot::waitUntil([&] { return record().size() >= expected; }, 8000);
    Sleep(1500);
    return record();
}

}  // namespace clickpad
