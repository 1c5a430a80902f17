#pragma once
// A kit program run under Wine from a fresh working folder of its own, against the virtual
// controller whose state file and journal lie in that folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/robot.h"

std::string readAll(const std::string& path);
void writeFile(const std::string& path, const std::string& text);
// The lines of a file that begin with prefix, without their line ends.
std::vector<std::string> fileLines(const std::string& path, const std::string& prefix);
// Closes the program whose top-level window this is, when there is one: a launcher that a
// test's program started outlives it and would keep the test runner's output open.
void endProgramOf(const std::string& className, const std::string& title);

class ProgramTest : public ::testing::Test {
protected:
    // Makes the folder "<temp>\<program>-<test name>", removes what an earlier run left
    // there, and points the simulator at its state file.
    void prepare(const std::string& program, std::initializer_list<std::string> leftovers);

    void launch(const std::string& exe, const std::string& args);
    // Launches and waits for the main window, class "TForm1".
    void start(const std::string& exe, const std::string& args, int timeoutMs);

    HWND control(const std::string& name);
    std::string text(const std::string& name) { return robot::text(control(name)); }
    bool checked(const std::string& name) { return robot::checked(control(name)); }

    // Presses a button that ends the program, and checks that it ends with 0.
    void finishWith(const std::string& button);

    std::string workDir, state, journal;
    std::unique_ptr<robot::Program> program;
    HWND form = nullptr;
};
