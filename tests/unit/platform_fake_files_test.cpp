// The fake host's file side: Windows paths mapped into its own folder, read-only files and
// refused renames.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/testing/fake_host.h"

using platform::FakeHost;

namespace {

std::string rootOf(FakeHost& fake) {
    std::string root = fake.realPath("c:\\");
    return root.substr(0, root.size() - 2);  // without "/c"
}

}  // namespace

TEST(PlatformFakeFiles, MapsWindowsPathsIntoItsFolder) {
    FakeHost fake;
    std::string root = rootOf(fake);
    struct Case {
        const char* cwd;
        const char* path;
        const char* real;
    };
    const Case cases[] = {
        {"C:\\TOUCH", "c:\\longtap.ini", "/c/longtap.ini"},
        {"C:\\TOUCH", "C:\\LongTap.INI", "/c/longtap.ini"},
        {"C:\\TOUCH", "\\touchman.log", "/c/touchman.log"},
        {"C:\\TOUCH", "touchman.ini", "/c/touch/touchman.ini"},
        {"C:\\TOUCH", ".\\sub\\..\\cursor.dat", "/c/touch/cursor.dat"},
        {"C:\\TOUCH", "..\\x.txt", "/c/x.txt"},
        {"C:\\TOUCH", "d:\\data\\f.txt", "/d/data/f.txt"},
        {"D:\\POS\\", "\\touchman.log", "/d/touchman.log"},
        {"D:\\POS\\", "c:\\longtap.ini", "/c/longtap.ini"},
        {"D:\\POS\\", "mgrguide.txt", "/d/pos/mgrguide.txt"},
    };
    for (const Case& c : cases) {
        fake.setCurrentDirectory(c.cwd);
        EXPECT_EQ(fake.realPath(c.path), root + c.real) << c.cwd << " " << c.path;
    }
    EXPECT_EQ(fake.currentDirectory(), "D:\\POS");
}

TEST(PlatformFakeFiles, HostFilesAreTheTestsFilesAndGoAwayWithTheFake) {
    std::string root;
    {
        FakeHost fake;
        root = rootOf(fake);
        EXPECT_EQ(fake.currentDirectory(), "C:\\TOUCH");
        {
            platform::File f = fake.openFile("longtap.ini", "w");
            ASSERT_NE(f, nullptr);
            std::fputs("0,2,40960,43008\n", f.get());
        }
        EXPECT_EQ(fake.readFile("C:\\Touch\\LONGTAP.INI"), "0,2,40960,43008\n");
        EXPECT_EQ(fake.openFile("c:\\nofolder\\x.txt", "w"), nullptr);

        fake.writeFile("c:\\tools\\touchcal.exe", "MZ");
        EXPECT_TRUE(fake.fileExists("C:\\TOOLS\\TOUCHCAL.EXE"));
        fake.setFileTime("c:\\tools\\touchcal.exe", 1420448823);
        std::time_t t = 0;
        EXPECT_TRUE(fake.fileTime("c:\\tools\\touchcal.exe", t));
        EXPECT_EQ(t, 1420448823);
        EXPECT_FALSE(fake.fileTime("c:\\tools\\missing.exe", t));
    }
    EXPECT_FALSE(std::filesystem::exists(root));
}

TEST(PlatformFakeFiles, ReadOnlyFileRefusesWritingButNotReading) {
    FakeHost fake;
    EXPECT_FALSE(fake.canReadWrite("c:\\longtap.ini"));  // missing
    fake.writeFile("c:\\longtap.ini", "9,2\n");
    EXPECT_TRUE(fake.canReadWrite("c:\\longtap.ini"));

    fake.setReadOnly("C:\\LONGTAP.INI");
    EXPECT_FALSE(fake.canReadWrite("c:\\longtap.ini"));
    for (const char* mode : {"w", "a+", "r+"})
        EXPECT_EQ(fake.openFile("c:\\longtap.ini", mode), nullptr) << mode;
    EXPECT_NE(fake.openFile("c:\\longtap.ini", "r"), nullptr);
    EXPECT_FALSE(fake.removeFile("c:\\longtap.ini"));

    // The flag travels with the file.
    EXPECT_TRUE(fake.renameFile("c:\\longtap.ini", "c:\\longtap.xxx"));
    EXPECT_FALSE(fake.canReadWrite("c:\\longtap.xxx"));
    fake.setReadOnly("c:\\longtap.xxx", false);
    EXPECT_TRUE(fake.canReadWrite("c:\\longtap.xxx"));
}

TEST(PlatformFakeFiles, RenameLikeWindows) {
    FakeHost fake;
    fake.writeFile("c:\\longtap.ini", "a");
    fake.writeFile("c:\\other.ini", "b");
    EXPECT_FALSE(fake.renameFile("c:\\longtap.ini", "c:\\other.ini"));  // no overwrite
    EXPECT_FALSE(fake.renameFile("c:\\missing.ini", "c:\\new.ini"));

    fake.refuseRenames();
    EXPECT_FALSE(fake.renameFile("c:\\longtap.ini", "c:\\longtap.xxx"));
    EXPECT_TRUE(fake.canReadWrite("c:\\longtap.ini"));
    EXPECT_FALSE(fake.fileExists("c:\\longtap.xxx"));

    fake.refuseRenames(false);
    EXPECT_TRUE(fake.renameFile("c:\\longtap.ini", "c:\\longtap.xxx"));
    EXPECT_FALSE(fake.fileExists("c:\\longtap.ini"));
    EXPECT_EQ(fake.readFile("c:\\longtap.xxx"), "a");
}

TEST(PlatformHost, InstalledWhileTheFakeLivesAndNoHostWithoutIt) {
    {
        FakeHost fake;
        EXPECT_EQ(&platform::host(), &fake);
    }
    EXPECT_DEATH(platform::host(), "no host installed");
}
