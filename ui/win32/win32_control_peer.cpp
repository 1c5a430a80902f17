// A control's window: a standard Win32 control (or one of our image and panel classes)
// that shows what the model holds. Check marks, texts, positions and the active page are
// only ever set from the model.
#include "ui/edits.h"
#include "ui/page_control.h"
#include "ui/statics.h"
#include "ui/win32/robot_protocol.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace win32 {

namespace {

const wchar_t* const nameProp = robot_protocol::controlNameProp;

struct WindowKind {
    const wchar_t* cls;
    DWORD style;
    DWORD exStyle;
};

WindowKind windowKind(const Control& c) {
    switch (c.kind()) {
    case Kind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case Kind::BitBtn: return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
    case Kind::CheckBox: return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0};
    case Kind::RadioButton: return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0};
    case Kind::Edit: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::UpDown: return {UPDOWN_CLASSW, UDS_ARROWKEYS, 0};
    case Kind::Label: return {L"STATIC", SS_NOTIFY, 0};
    case Kind::Image: return {imageClass, 0, 0};
    case Kind::PageControl: return {WC_TABCONTROLW, WS_TABSTOP, 0};
    case Kind::Panel:
    case Kind::TabSheet:
    case Kind::GroupBox:
    case Kind::Form: break;
    }
    return {panelClass, 0, 0};
}

DWORD labelStyle(const Label& label) {
    DWORD align = label.alignment() == Align::Center  ? SS_CENTER
                  : label.alignment() == Align::Right ? SS_RIGHT
                                                      : SS_LEFTNOWORDWRAP;
    return align | (label.middle() ? SS_CENTERIMAGE : 0);
}

// The control's place in its form's client area.
POINT origin(const Control& c) {
    POINT p{c.left(), c.top()};
    for (const Control* up = c.parent(); up && up->kind() != Kind::Form; up = up->parent()) {
        p.x += up->left();
        p.y += up->top();
    }
    return p;
}

// Enabled with every container below the form; the form's own state is its window's.
bool enabledWithin(const Control& c) {
    for (const Control* up = &c; up && up->kind() != Kind::Form; up = up->parent()) {
        if (!up->enabled()) return false;
    }
    return true;
}

}  // namespace

ControlPeer::ControlPeer(Control& control, FormPeer& form) : m_control(control), m_form(form) {
    m_id = form.enrol(control);
    create();
}

ControlPeer::~ControlPeer() {
    m_form.forget(m_id);
    RemovePropW(m_hwnd, nameProp);
    if (m_nameAtom) GlobalDeleteAtom(m_nameAtom);
    DestroyWindow(m_hwnd);
}

void ControlPeer::create() {
    WindowKind k = windowKind(m_control);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | k.style;
    if (m_control.kind() == Kind::Label) style |= labelStyle(static_cast<Label&>(m_control));
    POINT at = origin(m_control);
    m_hwnd = CreateWindowExW(k.exStyle, k.cls, nullptr, style, at.x, at.y, m_control.width(),
                             m_control.height(), m_form.hwnd(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_id)),
                             GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_nameAtom = GlobalAddAtomW(wide(m_control.name()).c_str());
    SetPropW(m_hwnd, nameProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(m_nameAtom)));
    // Later controls lie above earlier ones, so a container's children show over it.
    SetWindowPos(m_hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    syncFont();
    syncCaption();
    syncStyle();
    syncState();
    syncEnabled();
    syncVisible();
}

void ControlPeer::changed(Change what) {
    switch (what) {
    case Change::Bounds: forTree(&ControlPeer::syncBounds); break;
    case Change::Caption: syncCaption(); break;
    case Change::Enabled: forTree(&ControlPeer::syncEnabled); break;
    case Change::Visible: forTree(&ControlPeer::syncVisible); break;
    case Change::Font: syncFont(); break;
    case Change::Color: InvalidateRect(m_hwnd, nullptr, TRUE); break;
    case Change::State: syncState(); break;
    case Change::Style: syncStyle(); break;
    case Change::Focus: SetFocus(m_hwnd); break;
    case Change::Repaint: RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN); break;
    }
}

void ControlPeer::forTree(void (ControlPeer::*sync)()) {
    (this->*sync)();
    for (Control* child : m_control.children()) {
        if (auto* p = static_cast<ControlPeer*>(child->peer())) p->forTree(sync);
    }
}

void ControlPeer::syncBounds() {
    POINT at = origin(m_control);
    SetWindowPos(m_hwnd, nullptr, at.x, at.y, m_control.width(), m_control.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlPeer::syncVisible() { ShowWindow(m_hwnd, m_control.showingOnForm() ? SW_SHOWNA : SW_HIDE); }

void ControlPeer::syncEnabled() { EnableWindow(m_hwnd, enabledWithin(m_control)); }

void ControlPeer::syncCaption() {
    switch (m_control.kind()) {
    case Kind::Edit:
    case Kind::UpDown:
    case Kind::PageControl: return;
    case Kind::TabSheet:
        if (auto* pages = static_cast<ControlPeer*>(m_control.parent()->peer())) pages->syncTabs();
        break;
    default: break;
    }
    SetWindowTextW(m_hwnd, wide(m_control.caption()).c_str());
    InvalidateRect(m_hwnd, nullptr, TRUE);  // the kit's own classes draw the caption
}

void ControlPeer::syncFont() {
    SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle(m_control.font())), TRUE);
}

void ControlPeer::syncState() {
    switch (m_control.kind()) {
    case Kind::CheckBox:
        SendMessageW(m_hwnd, BM_SETCHECK, static_cast<CheckBox&>(m_control).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Kind::RadioButton:
        SendMessageW(m_hwnd, BM_SETCHECK, static_cast<RadioButton&>(m_control).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Kind::Edit: {
        const std::string& text = static_cast<Edit&>(m_control).text();
        if (windowText(m_hwnd) == text) break;
        m_writing = true;
        SetWindowTextW(m_hwnd, wide(text).c_str());
        m_writing = false;
        break;
    }
    case Kind::UpDown:
        SendMessageW(m_hwnd, UDM_SETPOS32, 0, static_cast<UpDown&>(m_control).position());
        break;
    case Kind::PageControl: syncTabs(); break;
    default: InvalidateRect(m_hwnd, nullptr, TRUE); break;
    }
}

void ControlPeer::syncStyle() {
    switch (m_control.kind()) {
    case Kind::Label: {
        LONG_PTR style = GetWindowLongPtrW(m_hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK | SS_CENTERIMAGE);
        SetWindowLongPtrW(m_hwnd, GWL_STYLE, style | labelStyle(static_cast<Label&>(m_control)));
        InvalidateRect(m_hwnd, nullptr, TRUE);
        break;
    }
    case Kind::Edit:
        SendMessageW(m_hwnd, EM_SETREADONLY, static_cast<Edit&>(m_control).readOnly(), 0);
        break;
    case Kind::UpDown: {
        auto& ud = static_cast<UpDown&>(m_control);
        SendMessageW(m_hwnd, UDM_SETRANGE32, static_cast<WPARAM>(ud.min()), ud.max());
        SendMessageW(m_hwnd, UDM_SETPOS32, 0, ud.position());
        break;
    }
    case Kind::PageControl: {
        auto& pages = static_cast<PageControl&>(m_control);
        LONG_PTR style = GetWindowLongPtrW(m_hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(TCS_FIXEDWIDTH);
        if (pages.tabWidth() > 0) style |= TCS_FIXEDWIDTH;
        SetWindowLongPtrW(m_hwnd, GWL_STYLE, style);
        SendMessageW(m_hwnd, TCM_SETITEMSIZE, 0, MAKELPARAM(pages.tabWidth(), pages.tabHeight()));
        InvalidateRect(m_hwnd, nullptr, TRUE);
        break;
    }
    default: InvalidateRect(m_hwnd, nullptr, TRUE); break;
    }
}

void ControlPeer::syncTabs() {
    auto& pages = static_cast<PageControl&>(m_control);
    SendMessageW(m_hwnd, TCM_DELETEALLITEMS, 0, 0);
    int at = 0, selected = -1;
    for (TabSheet* sheet : pages.visibleTabs()) {
        std::wstring text = wide(sheet->caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = &text[0];
        item.lParam = sheet->pageIndex();
        SendMessageW(m_hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
        if (sheet == pages.activePage()) selected = at;
        ++at;
    }
    SendMessageW(m_hwnd, TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

}  // namespace win32
}  // namespace ui
