// The long-press settings line as both of its readers take it: the manager's window and the
// hook library read the same file with the same scan and different range rules.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "common/longpress_file.h"

namespace {

LongPressDelays scanned(const char* text, LongPressDelays start) {
    std::FILE* f = std::tmpfile();
    std::fputs(text, f);
    std::rewind(f);
    scanDelays(f, start);
    std::fclose(f);
    return start;
}

struct Case {
    const char* line;
    int managerDly, managerDlz;  // the manager starts from 0, 0
    int hookDly, hookDlz;        // the hook starts from its last values, here 7 and 1
};

const Case cases[] = {
    {"0,0,40960,43008\n", 0, 0, 0, 0},
    {"9,2,40960,43008\n", 9, 2, 9, 2},
    {"3,2\n", 3, 2, 5, 2},       // 3 is a delay for the manager, too short for the hook
    {"16,0\n", 0, 0, 5, 0},
    {"-1,7\n", 0, 0, 5, 2},
    {"9", 9, 0, 9, 1},           // a single number: the second keeps its value
    {"", 0, 0, 7, 1},            // an empty file: both keep theirs
    {"abc,2\n", 0, 0, 7, 1},
    {"15,3,1,2\n", 15, 3, 15, 3},
    {"4,1\n", 4, 1, 4, 1},
};

}  // namespace

TEST(CommonLongPressFile, BothReadersTakeTheLineByTheirOwnRanges) {
    for (const Case& c : cases) {
        const LongPressDelays manager = managerRange(scanned(c.line, {}));
        EXPECT_EQ(manager.dly, c.managerDly) << "manager dly of '" << c.line << "'";
        EXPECT_EQ(manager.dlz, c.managerDlz) << "manager dlz of '" << c.line << "'";
        const LongPressDelays hook = hookRange(scanned(c.line, {7, 1}));
        EXPECT_EQ(hook.dly, c.hookDly) << "hook dly of '" << c.line << "'";
        EXPECT_EQ(hook.dlz, c.hookDlz) << "hook dlz of '" << c.line << "'";
    }
}

TEST(CommonLongPressFile, TheWrittenLineReadsBack) {
    const std::string line = longPressLine({0, 3}, 0xA000, 0xA200);
    EXPECT_EQ(line, "0,3,40960,41472\n");
    const LongPressDelays back = scanned(line.c_str(), {9, 9});
    EXPECT_EQ(back.dly, 0);
    EXPECT_EQ(back.dlz, 3);
    EXPECT_STREQ(longPressDefaultLine, longPressLine({0, 0}, 0xA000, 0xA800).c_str());
}
