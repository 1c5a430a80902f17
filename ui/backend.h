#pragma once
// What the model asks of the window system. The Win32 backend gives each control a real
// window; the headless backend gives none, so tests drive the same model directly.
#include <memory>
#include <string>

#include "ui/font.h"

namespace ui {

class Application;
class Control;
class Form;
class Timer;

class Backend {
public:
    virtual ~Backend() = default;

    // Gives a newly created control (or form) its window, if the backend makes windows.
    virtual void attach(Control& control) = 0;
    // The size a single- or multi-line text takes in the font.
    virtual Size textSize(const Font& font, const std::string& text) = 0;
    // How much larger the whole window is than its client area, for the form's border.
    virtual Size frameSize(const Form& form) = 0;
    virtual int pixelsPerInch() = 0;

    virtual void timerChanged(Timer& timer) = 0;
    virtual void timerGone(Timer& timer) = 0;

    // Runs until the application is terminated (headless: also when nothing is left to
    // happen).
    virtual void run(Application& app) = 0;
    virtual void processMessages(Application& app) = 0;
    virtual void quit() = 0;

    virtual void titleChanged(const std::string& title) = 0;
    virtual void makeTopmost() = 0;
};

// The running application's backend, else the headless one.
Backend& backend();
std::unique_ptr<Backend> makeHeadlessBackend();

}  // namespace ui
