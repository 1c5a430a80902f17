#pragma once
// A timer that runs onTimer every interval milliseconds while it is enabled.
#include <functional>
#include <string>

namespace ui {

class Timer {
public:
    Timer(std::string name, unsigned interval, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return m_name; }
    unsigned interval() const { return m_interval; }
    // A new interval starts counting afresh.
    void setInterval(unsigned interval);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    std::function<void()> onTimer;

    // The interval has passed: runs onTimer while enabled (the backend calls this).
    void fire();

private:
    std::string m_name;
    unsigned m_interval;
    bool m_enabled;
};

}  // namespace ui
