#include "dirlines/dirline.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string printed(const char* arg, const std::string& dir) {
    std::FILE* f = std::tmpfile();
    printDirLine(f, arg, dir);
    std::string out(static_cast<std::size_t>(std::ftell(f)), '\0');
    std::rewind(f);
    out.resize(std::fread(out.data(), 1, out.size(), f));
    std::fclose(f);
    return out;
}

struct LineCase {
    const char* arg;
    const char* expected;
};

TEST(DirLines, FirstTwoCharactersOfTheFirstArgumentChooseTheLine) {
    const std::string dir = "C:\\Program Files\\Touch Kit";
    const LineCase cases[] = {
        {nullptr, "C:\\Program Files\\Touch Kit \n"},
        {"1", "C:\\Program Files\\Touch Kit \n"},
        {"-1", "cd \"C:\\Program Files\\Touch Kit\" \n"},
        {"-1x", "cd \"C:\\Program Files\\Touch Kit\" \n"},
        {"-2", "\"C:\\Program Files\\Touch Kit\\uninst.bat\" \n"},
        {"-3", "rd \"C:\\Program Files\\Touch Kit\" \n"},
        {"-4", ""},
        {"-", ""},
        {"--", ""},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(printed(c.arg, dir), c.expected) << "argument " << (c.arg ? c.arg : "(none)");
}

TEST(DirLines, DriveRootGivesTwoBackslashesBeforeTheScript) {
    EXPECT_EQ(printed("-2", "C:\\"), "\"C:\\\\uninst.bat\" \n");
}

TEST(DirLines, DirectoryThatDoesNotFitTheBufferPrintsAnEmptyPath) {
    const std::string fits(1023, 'a');
    EXPECT_EQ(printed(nullptr, fits), fits + " \n");
    EXPECT_EQ(printed("-1", std::string(1024, 'a')), "cd \"\" \n");
}

}  // namespace
