#pragma once
// The end-to-end tests' robot: starts a kit program under Wine and works its windows as a
// user would, through the real controls. Controls are found by their "ControlName" window
// property; after each action the robot waits until the program has handled it (the kit's
// windows answer how many posted actions are still waiting). Every wait has a deadline.
#include <windows.h>

#include <functional>
#include <string>

namespace robot {

constexpr int defaultTimeoutMs = 10000;

// A unix path of the build ("/work/main/build/win64/dist") as Wine sees it
// ("Z:\\work\\main\\build\\win64\\dist").
std::string windowsPath(const std::string& unixPath);

// Polls until ready() holds or the deadline passes; the result of the last poll.
bool waitUntil(const std::function<bool()>& ready, int timeoutMs = defaultTimeoutMs);

// A started program; ended by force if it still runs when the object goes.
class Program {
public:
    Program(const std::string& commandLine, const std::string& workDir);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return m_process != nullptr; }
    // GetLastError of a failed start, for the test's message.
    DWORD startError() const { return m_startError; }
    HANDLE handle() const { return m_process; }
    DWORD id() const { return m_id; }
    // Waits for the end; false when the program still runs at the deadline.
    bool waitExit(int timeoutMs = defaultTimeoutMs);
    // The exit code, STILL_ACTIVE while it runs.
    DWORD exitCode() const;
    // A visible top-level window of this program by class and title (empty: any).
    HWND window(const std::string& className, const std::string& title,
                int timeoutMs = defaultTimeoutMs) const;

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
    DWORD m_startError = 0;
};

// A visible top-level window by class and title (empty: any), of one process (0: any).
HWND findWindow(const std::string& className, const std::string& title,
                int timeoutMs = defaultTimeoutMs, DWORD processId = 0);
// The control named name inside window.
HWND findControl(HWND window, const std::string& name, int timeoutMs = defaultTimeoutMs);
std::string controlName(HWND control);

// Waits until the window's program has handled everything sent or posted to it so far.
bool settle(HWND window, int timeoutMs = defaultTimeoutMs);

// A button, check box or radio button click (BM_CLICK).
void click(HWND control);
// A left click at a point of a window's client area (a form, a label, an image).
void clickAt(HWND window, int x, int y);
// Presses an up-down's arrow (0 up, 1 down) with the mouse.
void pressArrow(HWND upDown, int arrow);
// Types a character into a window (Esc is 27).
void typeChar(HWND window, char ch);
// Replaces an edit's text, as typing does.
void type(HWND edit, const std::string& text);
// The close box.
void closeWindow(HWND window);

bool checked(HWND control);
int upDownPosition(HWND upDown);
std::string text(HWND window);
bool enabled(HWND window);
bool visible(HWND window);

// The text of the message box with that caption, found against the deadline, then closed
// with its first button; "" when no such box appeared.
std::string dismissBox(const std::string& caption, int timeoutMs = defaultTimeoutMs,
                       DWORD processId = 0);

}  // namespace robot
