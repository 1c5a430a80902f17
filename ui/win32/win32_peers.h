#pragma once
// The windows behind a form and behind each of its controls. Every control window is a
// child of its form's window, placed in form coordinates; containers (group boxes, panels,
// pages) are windows below their children, and the model decides what each one shows.
#include <map>

#include "ui/win32/win32.h"

namespace ui {
namespace win32 {

class FormPeer;

class ControlPeer final : public Peer {
public:
    ControlPeer(Control& control, FormPeer& form);
    ~ControlPeer() override;

    void changed(Change what) override;

    HWND hwnd() const { return m_hwnd; }
    Control& control() { return m_control; }
    // True while the model writes an edit's text, whose change the model already knows.
    bool writing() const { return m_writing; }

private:
    void create();
    void syncBounds();
    void syncVisible();
    void syncEnabled();
    void syncCaption();
    void syncFont();
    void syncState();
    void syncStyle();
    void syncTabs();
    // Applies a sync to the control and every control inside it.
    void forTree(void (ControlPeer::*sync)());

    Control& m_control;
    FormPeer& m_form;
    HWND m_hwnd = nullptr;
    int m_id = 0;
    ATOM m_nameAtom = 0;
    bool m_writing = false;
};

class FormPeer final : public Peer {
public:
    explicit FormPeer(Form& form);
    ~FormPeer() override;

    void changed(Change what) override;

    HWND hwnd() const { return m_hwnd; }
    Form& form() { return m_form; }
    int enrol(Control& control);
    void forget(int id);
    Control* control(int id) const;
    // The form whose window hwnd is or lies in, if it is one of ours.
    static FormPeer* of(HWND hwnd);

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT command(WPARAM wp, LPARAM lp);
    LRESULT notify(const NMHDR& header);
    LRESULT controlColor(HDC dc, HWND child, UINT msg, WPARAM wp, LPARAM lp);
    void takeAction(UINT msg, WPARAM id, LPARAM arg);

    Form& m_form;
    HWND m_hwnd = nullptr;
    std::map<int, Control*> m_controls;
    int m_nextId = 100;
};

}  // namespace win32
}  // namespace ui
