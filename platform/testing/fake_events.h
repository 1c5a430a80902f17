#pragma once
// What the fake host records: one ordered list of events, each with a readable line
// ("beep 500 500") and the call's values, and small typed views of the common kinds.
#include <cstdint>
#include <ostream>
#include <string>

#include "platform/host.h"

namespace platform {

enum class FakeEventKind {
    Beep, Box, Pause, Run, Find, Post, Forward,
    Load, Proc, Free,
    CursorLoad, SystemCursor, SetCursor, ShowCursor,
    RegCreate, RegSet, RegDelete, RegFlush,
};

struct FakeEvent {
    FakeEventKind kind;
    std::string line;
    std::string text, text2;  // box text and caption, command line, library, path, key...
    std::int64_t a = 0, b = 0, c = 0, d = 0;
};

struct BeepCall {
    unsigned hz = 0, ms = 0;
    bool operator==(const BeepCall& o) const { return hz == o.hz && ms == o.ms; }
};

struct BoxCall {
    std::string text, caption;
    unsigned buttons = boxOk;
    int answer = answerOk;
    bool operator==(const BoxCall& o) const {
        return text == o.text && caption == o.caption && buttons == o.buttons &&
               answer == o.answer;
    }
};

struct RunCall {
    std::string commandLine;
    int show = showShow;
    bool operator==(const RunCall& o) const {
        return commandLine == o.commandLine && show == o.show;
    }
};

struct PostCall {
    WindowRef window = 0;
    unsigned msg = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    bool operator==(const PostCall& o) const {
        return window == o.window && msg == o.msg && wParam == o.wParam && lParam == o.lParam;
    }
};

struct SystemCursorCall {
    CursorRef cursor = 0;
    unsigned id = 0;
    bool operator==(const SystemCursorCall& o) const {
        return cursor == o.cursor && id == o.id;
    }
};

inline std::ostream& operator<<(std::ostream& os, const BeepCall& c) {
    return os << "beep " << c.hz << " Hz " << c.ms << " ms";
}
inline std::ostream& operator<<(std::ostream& os, const BoxCall& c) {
    return os << "box '" << c.text << "' '" << c.caption << "' buttons " << c.buttons
              << " -> " << c.answer;
}
inline std::ostream& operator<<(std::ostream& os, const RunCall& c) {
    return os << "run '" << c.commandLine << "' show " << c.show;
}
inline std::ostream& operator<<(std::ostream& os, const PostCall& c) {
    return os << "post " << c.window << ' ' << c.msg << ' ' << c.wParam << ' ' << c.lParam;
}
inline std::ostream& operator<<(std::ostream& os, const SystemCursorCall& c) {
    return os << "system cursor " << c.cursor << ' ' << c.id;
}

}  // namespace platform
