#include "tests/e2e/robot.h"

#include <vector>

#include "ui/win32/robot_protocol.h"

namespace robot {

namespace {

constexpr UINT sendTimeoutMs = 5000;

std::wstring wide(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &w[0], n);
    return w;
}

std::string narrow(const wchar_t* w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, -1, &s[0], n, nullptr, nullptr);
    s.pop_back();
    return s;
}

LRESULT sendTimed(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, sendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

std::string className(HWND hwnd) {
    wchar_t buf[256];
    int n = GetClassNameW(hwnd, buf, 256);
    return n > 0 ? narrow(buf) : std::string();
}

struct Search {
    std::string cls, title;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK matchTopLevel(HWND hwnd, LPARAM lp) {
    auto& s = *reinterpret_cast<Search*>(lp);
    if (!IsWindowVisible(hwnd)) return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (s.pid && pid != s.pid) return TRUE;
    if (!s.cls.empty() && className(hwnd) != s.cls) return TRUE;
    wchar_t title[512];
    GetWindowTextW(hwnd, title, 512);
    if (!s.title.empty() && narrow(title) != s.title) return TRUE;
    s.found = hwnd;
    return FALSE;
}

struct NameSearch {
    std::string name;
    HWND found;
};

BOOL CALLBACK matchName(HWND hwnd, LPARAM lp) {
    auto& s = *reinterpret_cast<NameSearch*>(lp);
    if (controlName(hwnd) != s.name) return TRUE;
    s.found = hwnd;
    return FALSE;
}

HWND formOf(HWND hwnd) { return GetAncestor(hwnd, GA_ROOT); }

void mouseClick(HWND hwnd, int x, int y) {
    LPARAM at = MAKELPARAM(x, y);
    sendTimed(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    sendTimed(hwnd, WM_LBUTTONUP, 0, at);
}

}  // namespace

std::string windowsPath(const std::string& unixPath) {
    std::string p = "Z:" + unixPath;
    for (char& c : p) {
        if (c == '/') c = '\\';
    }
    return p;
}

bool waitUntil(const std::function<bool()>& ready, int timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (ready()) return true;
        if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return ready();
        Sleep(10);
    }
}

Program::Program(const std::string& commandLine, const std::string& workDir) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       workDir.empty() ? nullptr : workDir.c_str(), &si, &pi)) {
        CloseHandle(pi.hThread);
        m_process = pi.hProcess;
        m_id = pi.dwProcessId;
    } else {
        m_startError = GetLastError();
    }
}

Program::~Program() {
    if (!m_process) return;
    if (WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process, 1);
        WaitForSingleObject(m_process, 5000);
    }
    CloseHandle(m_process);
}

bool Program::waitExit(int timeoutMs) {
    return m_process && WaitForSingleObject(m_process, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

DWORD Program::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_process) GetExitCodeProcess(m_process, &code);
    return code;
}

HWND Program::window(const std::string& className, const std::string& title, int timeoutMs) const {
    return findWindow(className, title, timeoutMs, m_id);
}

HWND findWindow(const std::string& className, const std::string& title, int timeoutMs,
                DWORD processId) {
    Search s{className, title, processId, nullptr};
    waitUntil(
        [&] {
            EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr;
        },
        timeoutMs);
    return s.found;
}

HWND findControl(HWND window, const std::string& name, int timeoutMs) {
    NameSearch s{name, nullptr};
    waitUntil(
        [&] {
            EnumChildWindows(window, matchName, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr;
        },
        timeoutMs);
    return s.found;
}

std::string controlName(HWND control) {
    auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(control, ui::robot_protocol::controlNameProp)));
    if (!atom) return {};
    wchar_t buf[256];
    UINT n = GlobalGetAtomNameW(atom, buf, 256);
    return n ? narrow(buf) : std::string();
}

bool settle(HWND window, int timeoutMs) {
    static const UINT pendingQuery = RegisterWindowMessageW(ui::robot_protocol::pendingMessage);
    static const UINT markMessage = RegisterWindowMessageW(ui::robot_protocol::markMessage);
    static WPARAM lastMark = 0;
    HWND form = formOf(window);
    WPARAM mark = ++lastMark;
    PostMessageW(form, markMessage, mark, 0);
    return waitUntil(
        [&] {
            if (!IsWindow(form)) return true;
            return static_cast<WPARAM>(sendTimed(form, markMessage, 0, 0)) == mark &&
                   sendTimed(form, pendingQuery, 0, 0) == 0;
        },
        timeoutMs);
}

void click(HWND control) {
    sendTimed(control, BM_CLICK, 0, 0);
    settle(control);
}

void clickAt(HWND window, int x, int y) {
    mouseClick(window, x, y);
    settle(window);
}

void pressArrow(HWND upDown, int arrow) {
    RECT r;
    GetClientRect(upDown, &r);
    int x = (r.right - r.left) / 2;
    int h = r.bottom - r.top;
    mouseClick(upDown, x, arrow == 0 ? h / 4 : h - h / 4);
    settle(upDown);
}

void typeChar(HWND window, char ch) {
    PostMessageW(window, WM_CHAR, static_cast<unsigned char>(ch), 1);
    settle(window);
}

void type(HWND edit, const std::string& text) {
    std::wstring w = wide(text);
    sendTimed(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
    settle(edit);
}

void closeWindow(HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
}

bool checked(HWND control) { return sendTimed(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

int upDownPosition(HWND upDown) {
    return static_cast<int>(sendTimed(upDown, WM_USER + 114, 0, 0));  // UDM_GETPOS32
}

std::string text(HWND window) {
    auto n = sendTimed(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> buf(static_cast<std::size_t>(n) + 1, L'\0');
    sendTimed(window, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()));
    return narrow(buf.data());
}

bool enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

bool visible(HWND window) { return IsWindowVisible(window) != FALSE; }

std::string dismissBox(const std::string& caption, int timeoutMs, DWORD processId) {
    HWND box = findWindow("#32770", caption, timeoutMs, processId);
    if (!box) return {};
    std::string message = text(GetDlgItem(box, 0xFFFF));
    HWND button = FindWindowExW(box, nullptr, L"Button", nullptr);
    if (button) {
        PostMessageW(button, BM_CLICK, 0, 0);
    } else {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    waitUntil([&] { return !IsWindow(box); });
    return message;
}

}  // namespace robot
