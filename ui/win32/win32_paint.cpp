// Drawing: pictures, the image and panel window classes (panels, tab pages, group boxes),
// bitmap buttons.
#include <vector>

#include "ui/statics.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace win32 {

const wchar_t imageClass[] = L"KitImage";
const wchar_t panelClass[] = L"KitPanel";

namespace {

Control* controlOf(HWND hwnd) {
    auto* peer = reinterpret_cast<ControlPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return peer ? &peer->control() : nullptr;
}

void paintImage(HWND hwnd, HDC dc, const Image& image) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, brush(image.color()));
    const Picture& p = image.picture();
    RECT box = image.stretch() ? client : RECT{0, 0, p.width(), p.height()};
    drawPicture(dc, p, box, false, 0);
}

// Drawn here rather than by the system's group box, which leaves its inside unpainted:
// with every control a sibling in the form, whatever stood there before would show.
void paintGroupBox(HDC dc, RECT r, const Control& c) {
    HGDIOBJ old = SelectObject(dc, fontHandle(c.font()));
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    RECT frame = r;
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    std::wstring text = wide(c.caption());
    if (!text.empty()) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, colorRef(c.color()));
        SetTextColor(dc, colorRef(c.font().color));
        RECT caption{r.left + 8, r.top, r.right - 8, r.top + tm.tmHeight};
        DrawTextW(dc, text.c_str(), -1, &caption, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, old);
}

void paintPanel(HWND hwnd, HDC dc, const Control& c) {
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, brush(c.color()));
    if (c.kind() == Kind::GroupBox) paintGroupBox(dc, r, c);
    if (c.kind() != Kind::Panel) return;
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    HGDIOBJ old = SelectObject(dc, fontHandle(c.font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(c.font().color));
    std::wstring text = wide(c.caption());
    DrawTextW(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
}

LRESULT CALLBACK ownProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Control* c = controlOf(hwnd);
    if (!c) return DefWindowProcW(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (c->kind() == Kind::Image) {
            paintImage(hwnd, dc, static_cast<const Image&>(*c));
        } else {
            paintPanel(hwnd, dc, *c);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONUP:
        if (c->kind() == Kind::Image) {
            postAction(GetParent(hwnd), msgClick, static_cast<WPARAM>(GetDlgCtrlID(hwnd)), 0);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

void registerClasses() {
    for (const wchar_t* name : {imageClass, panelClass}) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ownProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
}

void drawPicture(HDC dc, const Picture& picture, const RECT& box, bool transparent,
                 COLORREF background) {
    if (picture.empty()) return;
    // A glyph's bottom left pixel names its transparent colour.
    Color clear = picture.pixel(0, picture.height() - 1);
    std::vector<DWORD> bits;
    bits.reserve(picture.pixels().size());
    for (Color c : picture.pixels()) {
        COLORREF ref = transparent && c == clear ? background : static_cast<COLORREF>(c);
        bits.push_back(static_cast<DWORD>(GetBValue(ref) | (GetGValue(ref) << 8) | (GetRValue(ref) << 16)));
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width();
    info.bmiHeader.biHeight = -picture.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, 0,
                  picture.width(), picture.height(), bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void drawBitBtn(const DRAWITEMSTRUCT& item, const BitBtn& button) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    HGDIOBJ old = SelectObject(dc, fontHandle(button.font()));
    std::wstring text = wide(button.caption());
    RECT textBox{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), -1, &textBox, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const Picture& glyph = button.glyph();
    int gap = glyph.empty() || text.empty() ? 0 : 4;
    int total = glyph.width() + gap + (textBox.right - textBox.left);
    int x = r.left + (r.right - r.left - total) / 2 + (pushed ? 1 : 0);
    int midY = (r.top + r.bottom) / 2 + (pushed ? 1 : 0);
    RECT glyphBox{x, midY - glyph.height() / 2, x + glyph.width(), midY - glyph.height() / 2 + glyph.height()};
    drawPicture(dc, glyph, glyphBox, true, GetSysColor(COLOR_BTNFACE));
    RECT textAt{glyphBox.right + gap, r.top, r.right, r.bottom + (pushed ? 2 : 0)};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : colorRef(button.font().color));
    DrawTextW(dc, text.c_str(), -1, &textAt, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    if (item.itemState & ODS_FOCUS) {
        RECT focus{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace win32
}  // namespace ui
