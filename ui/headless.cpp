// The backend without windows: the model alone, with timers in the host's time (virtual
// time under the unit tests' fake host).
#include <algorithm>
#include <cstdint>
#include <vector>

#include "ui/application.h"
#include "ui/backend.h"
#include "ui/form.h"
#include "platform/host.h"
#include "ui/timer.h"

namespace ui {

namespace {

class HeadlessBackend final : public Backend {
public:
    void attach(Control&) override {}

    // An even-width stand-in for a real font: half the height per character, and a line
    // a quarter taller than the characters.
    Size textSize(const Font& font, const std::string& text) override {
        int lines = 1, longest = 0, current = 0;
        for (char ch : text) {
            if (ch == '\n') {
                ++lines;
                current = 0;
            } else {
                longest = std::max(longest, ++current);
            }
        }
        int h = font.height > 0 ? font.height : -font.height;
        return {longest * std::max(1, h / 2), lines * (h + h / 4)};
    }

    Size frameSize(const Form& form) override {
        switch (form.borderStyle()) {
        case BorderStyle::None: return {0, 0};
        case BorderStyle::Sizeable: return {8, 27};
        default: return {6, 25};
        }
    }

    int pixelsPerInch() override { return 96; }

    void timerChanged(Timer& timer) override {
        timerGone(timer);
        if (timer.enabled() && timer.interval() > 0) {
            m_timers.push_back({&timer, platform::host().tickCount() + timer.interval()});
        }
    }

    void timerGone(Timer& timer) override {
        m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                      [&](const Due& d) { return d.timer == &timer; }),
                       m_timers.end());
    }

    // Waits (in the host's time) for the next timer, fires it, and so on; returns when the
    // application ends or no timer runs, since then nothing can happen any more.
    void run(Application& app) override {
        while (!app.terminated() && !m_timers.empty()) {
            auto next = std::min_element(m_timers.begin(), m_timers.end(), [](const Due& a, const Due& b) {
                return static_cast<std::int32_t>(a.due - b.due) < 0;
            });
            auto wait = static_cast<std::int32_t>(next->due - platform::host().tickCount());
            if (wait > 0) platform::host().pause(static_cast<unsigned>(wait));
            fire(next->timer);
        }
    }

    void processMessages(Application&) override {
        std::vector<Timer*> due;
        std::uint32_t now = platform::host().tickCount();
        for (const Due& d : m_timers) {
            if (static_cast<std::int32_t>(d.due - now) <= 0) due.push_back(d.timer);
        }
        for (Timer* t : due) {
            bool stillThere = std::any_of(m_timers.begin(), m_timers.end(),
                                          [&](const Due& d) { return d.timer == t; });
            if (stillThere) fire(t);
        }
    }

    void quit() override {}
    void titleChanged(const std::string&) override {}
    void makeTopmost() override {}

private:
    struct Due {
        Timer* timer;
        std::uint32_t due;
    };

    // The next interval counts from now, as a window timer's does.
    void fire(Timer* timer) {
        timerChanged(*timer);
        timer->fire();
    }

    std::vector<Due> m_timers;
};

}  // namespace

std::unique_ptr<Backend> makeHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }

}  // namespace ui
