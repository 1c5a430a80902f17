#pragma once
// The base of every control and form: the model of one window element. The model holds
// the state and the event rules; a backend peer, when there is one, mirrors the state in a
// real window and turns the user's actions into the calls below.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/color.h"
#include "ui/font.h"

namespace ui {

class Form;

enum class Kind {
    Form, Button, BitBtn, CheckBox, RadioButton, GroupBox, Edit, UpDown, Label, Image,
    Panel, PageControl, TabSheet
};

// What a peer has to bring up to date. Focus and Repaint are requests, not state.
enum class Change { Bounds, Caption, Enabled, Visible, Font, Color, State, Style, Focus, Repaint };

class Peer {
public:
    virtual ~Peer() = default;
    virtual void changed(Change what) = 0;
};

class Control {
public:
    Control(Kind kind, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return m_kind; }
    const std::string& name() const { return m_name; }
    Control* parent() const { return m_parent; }
    const std::vector<Control*>& children() const { return m_children; }
    Form* form();

    // Position and size, relative to the parent's client area (a form's: on the screen).
    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setBounds(int left, int top, int width, int height);
    void setLeft(int v) { setBounds(v, m_top, m_width, m_height); }
    void setTop(int v) { setBounds(m_left, v, m_width, m_height); }
    void setWidth(int v) { setBounds(m_left, m_top, v, m_height); }
    void setHeight(int v) { setBounds(m_left, m_top, m_width, v); }

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return m_visible; }
    virtual void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    // Font and colour are the parent's until the control is given its own.
    Font font() const;
    void setFont(const Font& font);
    void setFontName(const std::string& name);
    void setFontHeight(int height);
    void setFontBold(bool bold);
    void setFontColor(Color color);
    Color color() const;
    void setColor(Color color);

    void setFocus() { changed(Change::Focus); }

    // Visible with every container up to the form.
    bool showing() const;
    // The same, leaving out whether the form itself is shown.
    bool showingOnForm() const;
    // Showing and enabled with every container, the form included: only then does a
    // user's action reach the control.
    bool acceptsInput() const;

    // A user's click; false when the control does not take it.
    virtual bool click() { return false; }

    Peer* peer() const { return m_peer.get(); }
    void setPeer(std::unique_ptr<Peer> peer) { m_peer = std::move(peer); }

    // Multiplies position, size and own font height by num / den.
    virtual void scale(int num, int den);

protected:
    void changed(Change what);
    // Whether the control itself is shown, apart from its containers.
    virtual bool selfShown() const { return m_visible; }
    // The caption given at creation; an edit takes it as its text.
    virtual void design(const std::string& caption) { m_caption = caption; }
    // Called after the bounds, caption or font changed, for controls whose size or whose
    // children's layout follows them.
    virtual void refit() {}
    void setBoundsQuietly(int left, int top, int width, int height);
    void setVisibleQuietly(bool visible) { m_visible = visible; }

private:
    friend class Form;
    void attach(Control* parent);
    // Tells the children that inherit the font or colour that it changed.
    void passOn(Change what);

    Kind m_kind;
    std::string m_name;
    Control* m_parent = nullptr;
    std::vector<Control*> m_children;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    std::string m_caption;
    bool m_enabled = true;
    bool m_visible = true;
    std::optional<Font> m_font;
    std::optional<Color> m_color;
    std::unique_ptr<Peer> m_peer;
};

// A control with one click handler.
class Clickable : public Control {
public:
    using Control::Control;
    std::function<void()> onClick;
    bool click() override;

protected:
    // What a taken click does; plain controls run the handler.
    virtual void clicked();
};

}  // namespace ui
