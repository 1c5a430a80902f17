#pragma once
// The application object: its title, its forms, the message loop and the standard error
// box. One exists per program; forms made while none exists are headless.
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/form.h"

namespace ui {

enum class Mode { Windows, Headless };

#ifdef _WIN32
constexpr Mode defaultMode = Mode::Windows;
#else
constexpr Mode defaultMode = Mode::Headless;
#endif

class Application {
public:
    // Mode::Windows needs the win32 build; elsewhere it throws ui::Exception.
    explicit Application(Mode mode = defaultMode);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* current();

    const std::string& title() const { return m_title; }
    // Also the title of the application's hidden window (class "TApplication").
    void setTitle(const std::string& title);

    // Creates a form the application owns and destroys; the first is the main form.
    template <class T, class... Args>
    T* createForm(Args&&... args) {
        auto owned = std::make_unique<T>(std::forward<Args>(args)...);
        T* f = owned.get();
        m_forms.push_back(std::move(owned));
        if (!m_mainForm) m_mainForm = f;
        return f;
    }
    Form* mainForm() const { return m_mainForm; }
    bool showMainForm() const { return m_showMainForm; }
    // Off: run does not show the main form.
    void setShowMainForm(bool show) { m_showMainForm = show; }

    // Shows the main form and handles messages until the application is terminated (the
    // main form closed); then destroys the application's forms, newest first.
    void run();
    // Handles the messages waiting now, then returns.
    void processMessages();
    void terminate();
    bool terminated() const { return m_terminated; }

    // The standard error box: no owner, the application title, an error icon and OK.
    void showException(const std::exception& e);

    // Puts the application's windows above all others that are not topmost.
    void makeTopmost();
    bool topmost() const { return m_topmost; }

    Backend& backend() { return *m_backend; }

private:
    friend class Form;
    void formGone(Form* form);
    void destroyForms();

    std::unique_ptr<Backend> m_backend;
    std::string m_title;
    std::vector<std::unique_ptr<Form>> m_forms;
    Form* m_mainForm = nullptr;
    bool m_showMainForm = true;
    bool m_terminated = false;
    bool m_topmost = false;
};

// The standard error box when there is no application object to show it.
void showErrorBox(const std::exception& e, const std::string& title);

}  // namespace ui
