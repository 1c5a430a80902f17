#pragma once
// A form: a top-level window that owns its controls and timers. A program's form derives
// from it, names its type ("TForm1") and creates its controls in its constructor, one line
// each; the derived constructor and destructor are the form's construction and destruction.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/control.h"
#include "ui/page_control.h"
#include "ui/timer.h"

namespace ui {

enum class BorderStyle { None, Single, Sizeable, Dialog };
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

class Form : public Clickable {
public:
    explicit Form(std::string typeName);
    ~Form() override;

    // The window class of the form's window.
    const std::string& typeName() const { return m_typeName; }

    // Creates a control of kind T on parent (the form or one of its containers) at its
    // design place; the caption is an edit's text.
    template <class T>
    T* add(Control* parent, std::string name, int left, int top, int width, int height,
           const std::string& caption = {}) {
        auto owned = std::make_unique<T>(std::move(name));
        T* c = owned.get();
        adopt(std::move(owned), parent, left, top, width, height, caption);
        return c;
    }
    TabSheet* addSheet(PageControl* pages, std::string name, const std::string& caption);
    Timer* addTimer(std::string name, unsigned interval, bool enabled);
    // The control of that name on this form, or null.
    Control* find(const std::string& name) const;

    int clientWidth() const;
    int clientHeight() const;
    void setClientSize(int width, int height);
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);
    unsigned borderIcons() const { return m_borderIcons; }
    void setBorderIcons(unsigned icons);
    bool centered() const { return m_centered; }
    // Centred on the primary monitor each time it is shown; otherwise at left, top.
    void setCentered(bool centered) { m_centered = centered; }
    bool stayOnTop() const { return m_stayOnTop; }
    void setStayOnTop(bool stayOnTop);
    bool keyPreview() const { return m_keyPreview; }
    // Keys typed into any control of the form reach onKeyPress first.
    void setKeyPreview(bool preview) { m_keyPreview = preview; }
    Button* cancelButton() const { return m_cancelButton; }
    // Esc presses this button.
    void setCancelButton(Button* button) { m_cancelButton = button; }

    // Showing a hidden form runs onShow.
    void setVisible(bool visible) override;
    // Hides the form; closing the application's main form ends the application.
    void close();
    void repaint() { changed(Change::Repaint); }

    std::function<void()> onShow;
    // The handler may change the key; 0 swallows it.
    std::function<void(char& key)> onKeyPress;

    // A key the user typed, into the form itself or (atControl) into one of its controls.
    // Returns the key as the handlers left it, 0 when it was swallowed or not taken; Esc
    // presses the cancel button.
    char keyPress(char key, bool atControl = false);
    // The user's close box or Alt+F4; false when the form takes no input.
    bool closeBox();
    // A user's left click at a point of the form's client area, routed as the window system
    // routes it: to the topmost shown control whose box holds the point (the latest created
    // lies on top), else to the form itself. False when that element takes no click.
    bool clickAt(int x, int y);

    // Rescales client size, controls and fonts by num / den (design for another
    // pixels-per-inch setting).
    void scale(int num, int den) override;

private:
    void adopt(std::unique_ptr<Control> control, Control* parent, int left, int top,
               int width, int height, const std::string& caption);
    void centre();

    std::string m_typeName;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::unique_ptr<Timer>> m_timers;
    BorderStyle m_borderStyle = BorderStyle::Sizeable;
    unsigned m_borderIcons = biSystemMenu | biMinimize | biMaximize;
    bool m_centered = false;
    bool m_stayOnTop = false;
    bool m_keyPreview = false;
    Button* m_cancelButton = nullptr;
};

}  // namespace ui
