#pragma once
// Internals shared by the Win32 backend's files.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/buttons.h"
#include "ui/control.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/picture.h"

namespace ui {
namespace win32 {

// Private messages that carry a user's action from a window procedure to the model,
// posted so that a sender (a robot's SendMessage, a control's notification) never waits for
// a handler that opens a modal box. wParam is the control's id (0: the form itself).
enum : UINT {
    msgClick = WM_APP + 1,
    msgText = WM_APP + 2,
    msgArrow = WM_APP + 3,  // lParam: the arrow
    msgTab = WM_APP + 4,    // lParam: the page index
};

// Answered by every kit window: how many posted actions still wait for the model. A robot
// polls it to know that a click has been handled.
UINT pendingQuery();
// A robot's mark: posted with a number, it is remembered once the messages posted before
// it have been handled; sent with 0, it returns the last number remembered.
UINT markMessage();
LRESULT mark(WPARAM number);
void postAction(HWND form, UINT msg, WPARAM id, LPARAM arg);
void actionTaken();
LONG pendingActions();

// Runs a model call from a window procedure; an exception is shown in the application's
// error box, since it must not cross the system's frames.
template <class F>
void safely(F&& f);
void showError(const char* what);

HWND appWindow();

std::wstring wide(const std::string& s);
std::string narrow(const std::wstring& s);
std::string windowText(HWND hwnd);
COLORREF colorRef(Color c);
HFONT fontHandle(const Font& font);
HBRUSH brush(Color c);

DWORD formStyle(const Form& form);
DWORD formExStyle(const Form& form);

// Window classes of our own: images and panels (tab sheets too).
extern const wchar_t imageClass[];
extern const wchar_t panelClass[];
void registerClasses();
void drawPicture(HDC dc, const Picture& picture, const RECT& box, bool transparent,
                 COLORREF background);
void drawBitBtn(const DRAWITEMSTRUCT& item, const BitBtn& button);

template <class F>
void safely(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        showError(e.what());
    } catch (...) {
        showError("Unknown exception");
    }
}

}  // namespace win32
}  // namespace ui
