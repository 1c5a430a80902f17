#include "ui/application.h"

#include "ui/exception.h"
#include "platform/host.h"
#ifdef _WIN32
#include "ui/win32/win32_backend.h"
#endif

namespace ui {

namespace {
Application* running = nullptr;

std::unique_ptr<Backend> makeBackend(Mode mode) {
    if (mode == Mode::Headless) return makeHeadlessBackend();
#ifdef _WIN32
    return makeWin32Backend();
#else
    throw Exception("This build has no window system");
#endif
}
}  // namespace

Application::Application(Mode mode) : m_backend(makeBackend(mode)) {
    if (running) throw Exception("A second application object");
    running = this;
}

Application::~Application() {
    destroyForms();
    running = nullptr;
}

Application* Application::current() { return running; }

void Application::setTitle(const std::string& title) {
    m_title = title;
    m_backend->titleChanged(title);
}

void Application::run() {
    if (m_showMainForm && m_mainForm && !m_terminated) m_mainForm->show();
    if (!m_terminated) m_backend->run(*this);
    destroyForms();
}

void Application::processMessages() { m_backend->processMessages(*this); }

void Application::terminate() {
    if (m_terminated) return;
    m_terminated = true;
    m_backend->quit();
}

void Application::showException(const std::exception& e) { showErrorBox(e, m_title); }

void showErrorBox(const std::exception& e, const std::string& title) {
    platform::host().messageBox(e.what(), title, platform::boxOk | platform::boxIconError);
}

void Application::makeTopmost() {
    m_topmost = true;
    m_backend->makeTopmost();
}

void Application::formGone(Form* form) {
    if (form == m_mainForm) m_mainForm = nullptr;
}

void Application::destroyForms() {
    while (!m_forms.empty()) {
        std::unique_ptr<Form> f = std::move(m_forms.back());
        m_forms.pop_back();
        f.reset();
    }
}

Backend& backend() {
    static std::unique_ptr<Backend> headless = makeHeadlessBackend();
    Application* app = Application::current();
    return app ? app->backend() : *headless;
}

}  // namespace ui
