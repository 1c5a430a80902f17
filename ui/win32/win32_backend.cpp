// The Win32 backend: the application's hidden window, the message loop, timers and the
// measures the model asks for.
#include <map>

#include "ui/application.h"
#include "ui/exception.h"
#include "ui/timer.h"
#include "ui/win32/robot_protocol.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace win32 {

namespace {

HWND theAppWindow = nullptr;
LONG pending = 0;
WPARAM lastMark = 0;
std::map<UINT_PTR, Timer*> timersById;

LRESULT CALLBACK appProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == pendingQuery()) return pendingActions();
    if (msg == markMessage()) return mark(wp);
    if (msg == WM_TIMER) {
        auto it = timersById.find(wp);
        if (it != timersById.end()) safely([&] { it->second->fire(); });
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Keys typed into a form go to the model first: the form's key handler, Esc to the
// cancel button. False when the model swallowed the key.
bool keyReachesWindow(MSG& m) {
    if (m.message != WM_CHAR || m.wParam >= 0x80) return true;
    FormPeer* form = FormPeer::of(m.hwnd);
    if (!form) return true;
    char key = static_cast<char>(m.wParam);
    char passed = 0;
    safely([&] { passed = form->form().keyPress(key, m.hwnd != form->hwnd()); });
    m.wParam = static_cast<unsigned char>(passed);
    return passed != 0;
}

void dispatch(MSG& m) {
    if (!keyReachesWindow(m)) return;
    TranslateMessage(&m);
    DispatchMessageW(&m);
}

class Win32Backend final : public Backend {
public:
    Win32Backend() {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        registerClasses();
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = appProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TApplication";
        RegisterClassExW(&wc);
        theAppWindow = CreateWindowExW(0, L"TApplication", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                       nullptr, wc.hInstance, nullptr);
        if (!theAppWindow) throw Exception("Cannot create the application window");
    }

    ~Win32Backend() override {
        for (const auto& t : timersById) KillTimer(theAppWindow, t.first);
        timersById.clear();
        DestroyWindow(theAppWindow);
        theAppWindow = nullptr;
    }

    void attach(Control& control) override {
        if (control.kind() == Kind::Form) {
            control.setPeer(std::make_unique<FormPeer>(static_cast<Form&>(control)));
            return;
        }
        Form* form = control.form();
        auto* formPeer = form ? dynamic_cast<FormPeer*>(form->peer()) : nullptr;
        if (formPeer) control.setPeer(std::make_unique<ControlPeer>(control, *formPeer));
    }

    Size textSize(const Font& font, const std::string& text) override {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, fontHandle(font));
        RECT r{0, 0, 0, 0};
        std::wstring w = wide(text);
        DrawTextW(dc, w.empty() ? L" " : w.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return {w.empty() ? 0 : static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
    }

    Size frameSize(const Form& form) override {
        RECT r{0, 0, 0, 0};
        AdjustWindowRectEx(&r, formStyle(form), FALSE, formExStyle(form));
        return {static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
    }

    int pixelsPerInch() override {
        HDC dc = GetDC(nullptr);
        int ppi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        return ppi;
    }

    void timerChanged(Timer& timer) override {
        timerGone(timer);
        if (!timer.enabled() || timer.interval() == 0) return;
        UINT_PTR id = ++m_lastTimerId;
        SetTimer(theAppWindow, id, timer.interval(), nullptr);
        timersById[id] = &timer;
    }

    void timerGone(Timer& timer) override {
        for (auto it = timersById.begin(); it != timersById.end(); ++it) {
            if (it->second != &timer) continue;
            KillTimer(theAppWindow, it->first);
            timersById.erase(it);
            return;
        }
    }

    void run(Application& app) override {
        MSG m;
        while (!app.terminated() && GetMessageW(&m, nullptr, 0, 0) > 0) dispatch(m);
    }

    void processMessages(Application&) override {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) dispatch(m);
    }

    // Wakes the loop, which then sees that the application has ended. No WM_QUIT: it would
    // end the next message box at once.
    void quit() override { PostMessageW(theAppWindow, WM_NULL, 0, 0); }

    void titleChanged(const std::string& title) override {
        SetWindowTextW(theAppWindow, wide(title).c_str());
    }

    // The forms are owned by the application window, so they follow it to the top.
    void makeTopmost() override {
        SetWindowPos(theAppWindow, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

private:
    UINT_PTR m_lastTimerId = 0;
};

}  // namespace

UINT pendingQuery() {
    static UINT msg = RegisterWindowMessageW(robot_protocol::pendingMessage);
    return msg;
}

UINT markMessage() {
    static UINT msg = RegisterWindowMessageW(robot_protocol::markMessage);
    return msg;
}

LRESULT mark(WPARAM number) {
    if (number == 0) return static_cast<LRESULT>(lastMark);
    lastMark = number;
    return 0;
}

void postAction(HWND form, UINT msg, WPARAM id, LPARAM arg) {
    InterlockedIncrement(&pending);
    if (!PostMessageW(form, msg, id, arg)) InterlockedDecrement(&pending);
}

void actionTaken() { InterlockedDecrement(&pending); }

LONG pendingActions() { return pending; }

void showError(const char* what) {
    Application* app = Application::current();
    if (app) app->showException(Exception(what));
}

HWND appWindow() { return theAppWindow; }

}  // namespace win32

std::unique_ptr<Backend> makeWin32Backend() { return std::make_unique<win32::Win32Backend>(); }

}  // namespace ui
