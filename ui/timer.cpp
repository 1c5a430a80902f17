#include "ui/timer.h"

#include "ui/backend.h"

namespace ui {

Timer::Timer(std::string name, unsigned interval, bool enabled)
    : m_name(std::move(name)), m_interval(interval), m_enabled(enabled) {
    backend().timerChanged(*this);
}

Timer::~Timer() { backend().timerGone(*this); }

void Timer::setInterval(unsigned interval) {
    m_interval = interval;
    backend().timerChanged(*this);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    backend().timerChanged(*this);
}

void Timer::fire() {
    if (m_enabled && onTimer) onTimer();
}

}  // namespace ui
