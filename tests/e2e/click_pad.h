#pragma once
// clickpad, a test window that records the clicks it gets, and the real mouse presses the
// tests make on it. It records one letter a click half: "l" left down, "L" left up, "r"
// right down, "R" right up.
#include <memory>
#include <string>

#include "tests/e2e/robot.h"

namespace clickpad {

const std::string leftClick = "lL";
const std::string rightClick = "lLrR";  // the hook's right click follows the release

class Pad {
public:
    // Starts clickpad, recording into `clicks`, and puts the cursor in the middle of its
    // window; false when it did not come up.
    bool start(const std::string& workDir, const std::string& clicks);
    // A left press held for ms, made with SendInput as a finger makes it.
    void press(int ms);
    // What clickpad has recorded once it holds at least `expected` letters and nothing
    // more came for a while: a missing click shows as too few, an extra one as too many.
    std::string recorded(std::size_t expected);

private:
    std::string record() const;

    std::string m_clicks;
    std::unique_ptr<robot::Program> m_program;
};

}  // namespace clickpad
