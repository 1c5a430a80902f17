#include "platform/testing/fake_host.h"

namespace platform {

// --- Records

FakeEvent& FakeHost::record(FakeEventKind kind, std::string line) {
    FakeEvent& e = m_events.emplace_back();
    e.kind = kind;
    e.line = std::move(line);
    return e;
}

template <class T, class Make>
std::vector<T> FakeHost::view(FakeEventKind kind, std::size_t since, Make make) const {
    std::vector<T> out;
    for (std::size_t i = since; i < m_events.size(); ++i)
        if (m_events[i].kind == kind) out.push_back(make(m_events[i]));
    return out;
}

std::vector<std::string> FakeHost::events(std::size_t since) const {
    std::vector<std::string> out;
    for (std::size_t i = since; i < m_events.size(); ++i) out.push_back(m_events[i].line);
    return out;
}

std::vector<BeepCall> FakeHost::beeps(std::size_t since) const {
    return view<BeepCall>(FakeEventKind::Beep, since, [](const FakeEvent& e) {
        return BeepCall{static_cast<unsigned>(e.a), static_cast<unsigned>(e.b)};
    });
}

std::vector<BoxCall> FakeHost::boxes(std::size_t since) const {
    return view<BoxCall>(FakeEventKind::Box, since, [](const FakeEvent& e) {
        return BoxCall{e.text, e.text2, static_cast<unsigned>(e.a), static_cast<int>(e.b)};
    });
}

std::vector<unsigned> FakeHost::pauses(std::size_t since) const {
    return view<unsigned>(FakeEventKind::Pause, since,
                          [](const FakeEvent& e) { return static_cast<unsigned>(e.a); });
}

std::vector<RunCall> FakeHost::runs(std::size_t since) const {
    return view<RunCall>(FakeEventKind::Run, since, [](const FakeEvent& e) {
        return RunCall{e.text, static_cast<int>(e.a)};
    });
}

std::vector<PostCall> FakeHost::posts(std::size_t since) const {
    return view<PostCall>(FakeEventKind::Post, since, [](const FakeEvent& e) {
        return PostCall{static_cast<WindowRef>(e.a), static_cast<unsigned>(e.b),
                        static_cast<std::uintptr_t>(e.c), static_cast<std::intptr_t>(e.d)};
    });
}

std::vector<std::string> FakeHost::loads(std::size_t since) const {
    return view<std::string>(FakeEventKind::Load, since,
                             [](const FakeEvent& e) { return e.text; });
}

std::vector<std::string> FakeHost::frees(std::size_t since) const {
    return view<std::string>(FakeEventKind::Free, since,
                             [](const FakeEvent& e) { return e.text; });
}

std::vector<SystemCursorCall> FakeHost::systemCursors(std::size_t since) const {
    return view<SystemCursorCall>(FakeEventKind::SystemCursor, since, [](const FakeEvent& e) {
        return SystemCursorCall{static_cast<CursorRef>(e.a), static_cast<unsigned>(e.b)};
    });
}

}  // namespace platform
