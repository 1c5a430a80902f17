// Texts, fonts, colours and form styles for the Win32 backend.
#include <map>
#include <tuple>
#include <vector>

#include "ui/win32/win32.h"

namespace ui {
namespace win32 {

std::wstring wide(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &w[0], n);
    return w;
}

std::string narrow(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr,
                        nullptr);
    return s;
}

std::string windowText(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> buf(static_cast<std::size_t>(n) + 1);
    GetWindowTextW(hwnd, buf.data(), n + 1);
    return narrow(buf.data());
}

COLORREF colorRef(Color c) {
    return isSystemColor(c) ? GetSysColor(systemColorIndex(c)) : static_cast<COLORREF>(c);
}

// Fonts and brushes live as long as the process: the kit's windows use a handful.
HFONT fontHandle(const Font& font) {
    static std::map<std::tuple<std::string, int, bool>, HFONT> fonts;
    auto key = std::make_tuple(font.name, font.height, font.bold);
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    HFONT f = CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                          FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wide(font.name).c_str());
    fonts[key] = f;
    return f;
}

HBRUSH brush(Color c) {
    static std::map<COLORREF, HBRUSH> brushes;
    COLORREF ref = colorRef(c);
    auto it = brushes.find(ref);
    if (it != brushes.end()) return it->second;
    HBRUSH b = CreateSolidBrush(ref);
    brushes[ref] = b;
    return b;
}

DWORD formStyle(const Form& form) {
    DWORD style = WS_POPUP;
    switch (form.borderStyle()) {
    case BorderStyle::None: return style;
    case BorderStyle::Single: style |= WS_CAPTION; break;
    case BorderStyle::Sizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::Dialog: style |= WS_CAPTION | WS_DLGFRAME; break;
    }
    unsigned icons = form.borderIcons();
    if (icons & biSystemMenu) {
        style |= WS_SYSMENU;
        if (icons & biMinimize) style |= WS_MINIMIZEBOX;
        if (icons & biMaximize) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD formExStyle(const Form& form) {
    DWORD ex = 0;
    if (form.borderStyle() == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME;
    if (form.stayOnTop()) ex |= WS_EX_TOPMOST;
    return ex;
}

}  // namespace win32
}  // namespace ui
