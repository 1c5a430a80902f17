// A form's window: its class is the form's type name; its procedure turns the controls'
// notifications into posted actions and the actions into the model's calls.
#include "ui/edits.h"
#include "ui/page_control.h"
#include "ui/statics.h"
#include "ui/win32/win32_peers.h"

namespace ui {
namespace win32 {

namespace {
const wchar_t formProp[] = L"KitForm";
}

FormPeer::FormPeer(Form& form) : m_form(form) {
    std::wstring cls = wide(form.typeName());
    HINSTANCE inst = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(inst, cls.c_str(), &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = proc;
        wc.hInstance = inst;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = cls.c_str();
        RegisterClassExW(&wc);
    }
    m_hwnd = CreateWindowExW(formExStyle(form), cls.c_str(), wide(form.caption()).c_str(),
                             formStyle(form), form.left(), form.top(), form.width(),
                             form.height(), appWindow(), nullptr, inst, nullptr);
    SetPropW(m_hwnd, formProp, this);
}

FormPeer::~FormPeer() {
    RemovePropW(m_hwnd, formProp);
    DestroyWindow(m_hwnd);
}

FormPeer* FormPeer::of(HWND hwnd) {
    HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    return root ? static_cast<FormPeer*>(GetPropW(root, formProp)) : nullptr;
}

int FormPeer::enrol(Control& control) {
    int id = m_nextId++;
    m_controls[id] = &control;
    return id;
}

void FormPeer::forget(int id) { m_controls.erase(id); }

Control* FormPeer::control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void FormPeer::changed(Change what) {
    switch (what) {
    case Change::Bounds:
        SetWindowPos(m_hwnd, nullptr, m_form.left(), m_form.top(), m_form.width(),
                     m_form.height(), SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    case Change::Caption: SetWindowTextW(m_hwnd, wide(m_form.caption()).c_str()); break;
    case Change::Enabled: EnableWindow(m_hwnd, m_form.enabled()); break;
    case Change::Visible: ShowWindow(m_hwnd, m_form.visible() ? SW_SHOW : SW_HIDE); break;
    case Change::Color: InvalidateRect(m_hwnd, nullptr, TRUE); break;
    case Change::Style: {
        DWORD keep = static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_STYLE)) & (WS_VISIBLE | WS_DISABLED);
        SetWindowLongPtrW(m_hwnd, GWL_STYLE, formStyle(m_form) | keep);
        SetWindowLongPtrW(m_hwnd, GWL_EXSTYLE, formExStyle(m_form));
        SetWindowPos(m_hwnd, m_form.stayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, m_form.left(),
                     m_form.top(), m_form.width(), m_form.height(),
                     SWP_NOACTIVATE | SWP_FRAMECHANGED);
        break;
    }
    case Change::Focus:
        SetForegroundWindow(m_hwnd);
        SetFocus(m_hwnd);
        break;
    case Change::Repaint:
        RedrawWindow(m_hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        break;
    case Change::Font:
    case Change::State: break;
    }
}

LRESULT CALLBACK FormPeer::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == pendingQuery()) return pendingActions();
    if (msg == markMessage()) return mark(wp);
    auto* self = static_cast<FormPeer*>(GetPropW(hwnd, formProp));
    return self ? self->handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT FormPeer::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND: return command(wp, lp);
    case WM_NOTIFY: return notify(*reinterpret_cast<const NMHDR*>(lp));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return controlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), msg, wp, lp);
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        Control* c = control(static_cast<int>(item.CtlID));
        if (!c || c->kind() != Kind::BitBtn) break;
        drawBitBtn(item, static_cast<const BitBtn&>(*c));
        return TRUE;
    }
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(m_hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, brush(m_form.color()));
        return 1;
    }
    case WM_LBUTTONUP: postAction(m_hwnd, msgClick, 0, 0); return 0;
    case WM_CLOSE: safely([&] { m_form.closeBox(); }); return 0;
    case msgClick:
    case msgText:
    case msgArrow:
    case msgTab: takeAction(msg, wp, lp); return 0;
    }
    return DefWindowProcW(m_hwnd, msg, wp, lp);
}

LRESULT FormPeer::command(WPARAM wp, LPARAM lp) {
    int id = LOWORD(wp);
    Control* c = control(id);
    if (!c || !lp) return 0;
    switch (HIWORD(wp)) {
    case BN_CLICKED:  // also STN_CLICKED
        postAction(m_hwnd, msgClick, static_cast<WPARAM>(id), 0);
        break;
    case EN_CHANGE: {
        // The peer, not the control: an edit reports its first text while it is created.
        auto* peer = reinterpret_cast<ControlPeer*>(
            GetWindowLongPtrW(reinterpret_cast<HWND>(lp), GWLP_USERDATA));
        if (c->kind() == Kind::Edit && peer && !peer->writing()) {
            postAction(m_hwnd, msgText, static_cast<WPARAM>(id), 0);
        }
        break;
    }
    }
    return 0;
}

LRESULT FormPeer::notify(const NMHDR& header) {
    int id = static_cast<int>(header.idFrom);
    if (!control(id)) return 0;
    if (header.code == UDN_DELTAPOS) {
        // The model owns the position: the control must not move by itself.
        const auto& ud = reinterpret_cast<const NMUPDOWN&>(header);
        postAction(m_hwnd, msgArrow, static_cast<WPARAM>(id), ud.iDelta > 0 ? arrowUp : arrowDown);
        return TRUE;
    }
    if (header.code == TCN_SELCHANGE) {
        int sel = static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
        TCITEMW item{};
        item.mask = TCIF_PARAM;
        if (sel >= 0 && SendMessageW(header.hwndFrom, TCM_GETITEMW, static_cast<WPARAM>(sel),
                                     reinterpret_cast<LPARAM>(&item))) {
            postAction(m_hwnd, msgTab, static_cast<WPARAM>(id), item.lParam);
        }
    }
    return 0;
}

LRESULT FormPeer::controlColor(HDC dc, HWND child, UINT msg, WPARAM wp, LPARAM lp) {
    Control* c = control(GetDlgCtrlID(child));
    if (!c || c->kind() == Kind::Edit) return DefWindowProcW(m_hwnd, msg, wp, lp);
    SetTextColor(dc, colorRef(c->font().color));
    SetBkColor(dc, colorRef(c->color()));
    return reinterpret_cast<LRESULT>(brush(c->color()));
}

void FormPeer::takeAction(UINT msg, WPARAM id, LPARAM arg) {
    actionTaken();
    Control* c = id == 0 ? &m_form : control(static_cast<int>(id));
    if (!c) return;
    safely([&] {
        switch (msg) {
        case msgClick: c->click(); break;
        case msgText:
            static_cast<Edit*>(c)->type(windowText(static_cast<ControlPeer*>(c->peer())->hwnd()));
            break;
        case msgArrow: static_cast<UpDown*>(c)->press(static_cast<int>(arg)); break;
        case msgTab: {
            auto* pages = static_cast<PageControl*>(c);
            if (arg >= 0 && static_cast<std::size_t>(arg) < pages->pages().size()) {
                pages->selectTab(pages->pages()[static_cast<std::size_t>(arg)]);
            }
            break;
        }
        }
    });
}

}  // namespace win32
}  // namespace ui
