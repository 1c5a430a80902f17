// The Win32 host against the real system (under Wine): the pieces that are cheap to
// check for real.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/host.h"

using namespace platform;

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A fresh folder under the system's temporary folder, removed with its files at the end.
class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        m_path = std::string(base) + "kitplat" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TempFolder() {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((m_path + "\\*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                std::string file = m_path + "\\" + found.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            } while (FindNextFileA(h, &found));
            FindClose(h);
        }
        RemoveDirectoryA(m_path.c_str());
    }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

}  // namespace

TEST(PlatformWin32Files, WriteRenameRemoveAndReadOnly) {
    Host& h = host();
    TempFolder dir;
    const std::string ini = dir / "longtap.ini", xxx = dir / "longtap.xxx";
    EXPECT_FALSE(h.fileExists(ini));
    EXPECT_FALSE(h.canReadWrite(ini));

    {
        File f = h.openFile(ini, "w");
        ASSERT_NE(f, nullptr);
        std::fputs("0,0,40960,43008\n", f.get());
    }
    EXPECT_TRUE(h.fileExists(ini));
    EXPECT_TRUE(h.canReadWrite(ini));
    std::time_t modified = 0;
    EXPECT_TRUE(h.fileTime(ini, modified));
    EXPECT_LE(std::abs(static_cast<long long>(modified - h.now())), 60);

    EXPECT_TRUE(h.renameFile(ini, xxx));
    EXPECT_FALSE(h.canReadWrite(ini));
    EXPECT_TRUE(h.renameFile(xxx, ini));
    EXPECT_NE(h.openFile(xxx, "w"), nullptr);
    EXPECT_FALSE(h.renameFile(ini, xxx));  // never onto an existing file
    EXPECT_TRUE(h.removeFile(xxx));

    ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(h.fileExists(ini));
    EXPECT_FALSE(h.canReadWrite(ini));
    File f = h.openFile(ini, "r");
    ASSERT_NE(f, nullptr);
    char line[32] = {};
    EXPECT_NE(std::fgets(line, sizeof line, f.get()), nullptr);
    EXPECT_STREQ(line, "0,0,40960,43008\n");
}

TEST(PlatformWin32Files, ProgramPathAndCurrentDirectory) {
    Host& h = host();
    EXPECT_EQ(lower(h.programPath()).substr(h.programPath().size() - 13), "e2e_tests.exe");
    std::string cwd = h.currentDirectory();
    ASSERT_GE(cwd.size(), 3u);
    EXPECT_EQ(cwd[1], ':');
}

TEST(PlatformWin32Files, ACurrentDirectoryLongerThanMaxPathComesWhole) {
    Host& h = host();
    const std::string before = h.currentDirectory();
    TempFolder dir;
    // Folders this deep take the extended path form, which only the wide calls accept.
    auto extended = [](const std::string& path) {
        return L"\\\\?\\" + std::wstring(path.begin(), path.end());
    };
    std::string path = dir / std::string(40, 'd');
    std::vector<std::string> made;
    for (;;) {
        ASSERT_TRUE(CreateDirectoryW(extended(path).c_str(), nullptr)) << path.size();
        made.push_back(path);
        if (path.size() > 400) break;
        path += "\\" + std::string(40, 'd');
    }
    if (!SetCurrentDirectoryW(extended(path).c_str()))
        GTEST_SKIP() << "this system keeps the current folder within MAX_PATH";
    EXPECT_EQ(lower(h.currentDirectory()), lower(path));
    SetCurrentDirectoryA(before.c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        RemoveDirectoryW(extended(*it).c_str());
}

TEST(PlatformWin32Registry, RoundTripUnderTheCurrentUser) {
    Host& h = host();
    const std::string path = "Software\\TouchKitPlatformTest\\Cursors";
    EXPECT_EQ(h.openKey(RegRoot::CurrentUser, path, false), nullptr);
    EXPECT_EQ(h.lastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(h.openKey(RegRoot::CurrentUser, path, true, false), nullptr);
    {
        auto key = h.openKey(RegRoot::CurrentUser, path, true);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->writeString("Arrow", "%SYSTEMROOT%\\Cursors\\null.cur"));
        EXPECT_TRUE(key->writeInt("SwapTch", -2));
    }
    {
        auto key = h.openKey(RegRoot::CurrentUser, path, false);
        ASSERT_NE(key, nullptr);
        std::vector<std::string> names = key->valueNames();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"Arrow", "SwapTch"}));
        EXPECT_TRUE(key->valueExists("arrow"));
        EXPECT_FALSE(key->valueExists("Missing"));
        EXPECT_EQ(key->valueType("Arrow"), RegType::String);
        EXPECT_EQ(key->valueType("SwapTch"), RegType::Dword);
        EXPECT_EQ(key->valueType("Missing"), RegType::None);
        std::string text;
        std::int32_t number = 0;
        EXPECT_TRUE(key->readString("Arrow", text));
        EXPECT_EQ(text, "%SYSTEMROOT%\\Cursors\\null.cur");
        EXPECT_TRUE(key->readInt("SwapTch", number));
        EXPECT_EQ(number, -2);
        EXPECT_FALSE(key->readInt("Arrow", number));
        EXPECT_FALSE(key->readString("SwapTch", text));
        EXPECT_FALSE(key->deleteValue("Arrow"));  // opened for reading
    }
    {
        auto key = h.openKey(RegRoot::CurrentUser, path, true, false);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->deleteValue("Arrow"));
        EXPECT_FALSE(key->deleteValue("Arrow"));
        EXPECT_EQ(h.lastError(), ERROR_FILE_NOT_FOUND);
        h.clearLastError();
        EXPECT_EQ(h.lastError(), 0);
    }
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str()), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TouchKitPlatformTest"), ERROR_SUCCESS);
}

TEST(PlatformWin32Time, CtimeTextOfLocalTime) {
    std::tm local{};
    local.tm_year = 2015 - 1900;
    local.tm_mon = 0;
    local.tm_mday = 5;
    local.tm_hour = 9;
    local.tm_min = 7;
    local.tm_sec = 3;
    local.tm_isdst = -1;
    EXPECT_EQ(host().ctimeText(std::mktime(&local)), "Mon Jan 05 09:07:03 2015\n");

    std::string text = host().ctimeText(host().now());
    ASSERT_EQ(text.size(), 25u);
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(text[8])));
    EXPECT_EQ(text[24], '\n');
}

TEST(PlatformWin32System, MonitorsSystemInfoAndRights) {
    Host& h = host();
    std::vector<Monitor> monitors = h.monitors();
    ASSERT_FALSE(monitors.empty());
    EXPECT_EQ(std::count_if(monitors.begin(), monitors.end(),
                            [](const Monitor& m) { return m.primary; }),
              1);
    for (const Monitor& m : monitors) {
        EXPECT_GT(m.width, 0);
        EXPECT_GT(m.height, 0);
        EXPECT_GE(m.number, 1);
    }
    SystemInfo info = h.systemInfo();
    EXPECT_TRUE(h.fileExists(info.systemDirectory + "\\kernel32.dll")) << info.systemDirectory;
    EXPECT_TRUE(h.isAdministrator());  // Wine's user is an administrator
}

TEST(PlatformWin32Libraries, LoadKernel32AndLookUpEntries) {
    Host& h = host();
    EXPECT_EQ(h.loadLibrary("nosuchlibrary.dll"), 0u);
    LibHandle kernel = h.loadLibrary("KERNEL32.DLL");
    ASSERT_NE(kernel, 0u);
    void* entry = h.procAddress(kernel, "GetSystemDirectoryA");
    ASSERT_NE(entry, nullptr);
    char dir[MAX_PATH] = {};
    reinterpret_cast<UINT(WINAPI*)(LPSTR, UINT)>(entry)(dir, MAX_PATH);
    EXPECT_EQ(h.systemInfo().systemDirectory, dir);
    EXPECT_EQ(h.procAddress(kernel, "NoSuchEntry"), nullptr);
    h.freeLibrary(kernel);
}

TEST(PlatformWin32Windows, FindAndPostToAWindowAndStartPrograms) {
    Host& h = host();
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KitPlatformProbe";
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND window = CreateWindowA("KitPlatformProbe", " Kit platform probe  v1.00", WS_POPUP, 0, 0,
                                10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    WindowRef ref = reinterpret_cast<WindowRef>(window);
    EXPECT_EQ(h.findWindow("KitPlatformProbe", " Kit platform probe  v1.00"), ref);
    EXPECT_EQ(h.findWindow("KitPlatformProbe", ""), ref);
    EXPECT_EQ(h.findWindow("", " Kit platform probe  v1.00"), ref);
    EXPECT_EQ(h.findWindow("KitPlatformProbe", "other title"), 0u);

    EXPECT_TRUE(h.postMessage(ref, 1224, 4660, -5));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, window, 1224, 1224, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 4660u);
    EXPECT_EQ(msg.lParam, -5);
    DestroyWindow(window);
    UnregisterClassA("KitPlatformProbe", wc.hInstance);
    EXPECT_FALSE(h.postMessage(ref, 1224, 4660, 0));

    EXPECT_TRUE(h.run("cmd.exe /c exit", showHidden));
    EXPECT_FALSE(h.run("nosuchprogram.exe", showHidden));
}

TEST(PlatformWin32Cursors, MissingCursorFileAndDisplayCount) {
    Host& h = host();
    EXPECT_EQ(h.loadCursorFile("c:\\no\\such\\null.cur"), 0u);
    int shown = h.showCursor(true);
    EXPECT_EQ(h.showCursor(false), shown - 1);
}
