#pragma once
// Every host service the kit's programs ask of Windows. Program logic talks to the
// installed Host only, so the same logic runs in the shipped programs (Win32 host) and in
// the native unit tests (recording fake).
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Opaque handles of the host; 0 means none.
using LibHandle = std::uintptr_t;
using WindowRef = std::uintptr_t;
using CursorRef = std::uintptr_t;

enum class RegRoot { LocalMachine, CurrentUser };

// The registry value types the programs tell apart.
enum class RegType { None, String, ExpandString, MultiString, Dword, Binary, Other };

// An open registry key; closed when destroyed.
class RegKey {
public:
    virtual ~RegKey() = default;
    virtual std::vector<std::string> valueNames() = 0;
    virtual bool valueExists(const std::string& name) = 0;
    virtual RegType valueType(const std::string& name) = 0;
    virtual bool readString(const std::string& name, std::string& value) = 0;
    virtual bool readInt(const std::string& name, std::int32_t& value) = 0;
    virtual bool writeString(const std::string& name, const std::string& value) = 0;
    virtual bool writeInt(const std::string& name, std::int32_t value) = 0;
    virtual bool deleteValue(const std::string& name) = 0;
    // Writes the key's changes through to the registry's store now.
    virtual bool flush() = 0;
};

struct Monitor {
    int left = 0, top = 0, width = 0, height = 0;
    bool primary = false;
    int number = 0;  // the system's own monitor number
};

struct SystemInfo {
    int processorArchitecture = 0;
    std::uint32_t oemId = 0;
    std::string systemDirectory;
};

// Message box buttons and answers, with the values Windows gives them.
enum : unsigned { boxOk = 0x0, boxOkCancel = 0x1, boxYesNo = 0x4, boxIconError = 0x10 };
enum : int { answerOk = 1, answerCancel = 2, answerYes = 6, answerNo = 7 };

// An open C stdio file that closes itself, so that no early return leaks it.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Show states for starting a program.
enum : int { showHidden = 0, showNormal = 1, showShow = 5 };

class Host {
public:
    virtual ~Host() = default;

    // Files and paths. Paths are ANSI texts as the programs write them ("c:\\longtap.ini",
    // "\\touchman.log", "touchman.ini"); modes are those of C stdio.
    virtual File openFile(const std::string& path, const char* mode) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual bool canReadWrite(const std::string& path) = 0;
    virtual bool renameFile(const std::string& from, const std::string& to) = 0;
    virtual bool removeFile(const std::string& path) = 0;
    virtual std::string currentDirectory() = 0;
    virtual bool fileTime(const std::string& path, std::time_t& modified) = 0;
    virtual std::string programPath() = 0;

    // Registry. Reading opens an existing key only; writing creates a missing key unless
    // create is false. Null when the key cannot be opened. Every registry call leaves its
    // result code as the last error (0 on success).
    virtual std::unique_ptr<RegKey> openKey(RegRoot root, const std::string& path,
                                            bool write, bool create = true) = 0;
    virtual long lastError() = 0;
    virtual void clearLastError() = 0;

    // Time.
    virtual std::uint32_t tickCount() = 0;
    virtual std::time_t now() = 0;
    virtual std::string ctimeText(std::time_t t) = 0;  // "Mon Jan 05 09:07:03 2015\n"
    virtual void pause(unsigned ms) = 0;

    // Sound and dialogs.
    virtual void beep(unsigned hz, unsigned ms) = 0;
    virtual int messageBox(const std::string& text, const std::string& caption,
                           unsigned buttons) = 0;

    // Processes and windows.
    virtual bool run(const std::string& commandLine, int show) = 0;
    virtual WindowRef findWindow(const std::string& className, const std::string& title) = 0;
    virtual bool postMessage(WindowRef window, unsigned msg, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    virtual void bringForward(WindowRef window) = 0;

    // Libraries.
    virtual LibHandle loadLibrary(const std::string& name) = 0;
    virtual void* procAddress(LibHandle lib, const std::string& entry) = 0;
    virtual void freeLibrary(LibHandle lib) = 0;

    // Cursors.
    virtual CursorRef loadCursorFile(const std::string& path) = 0;
    // Replaces system cursor id by a copy of cursor, which stays the caller's.
    virtual bool setSystemCursor(CursorRef cursor, unsigned id) = 0;
    virtual CursorRef setCursor(CursorRef cursor) = 0;
    virtual int showCursor(bool show) = 0;  // the new display count

    // Monitors and system information.
    virtual std::vector<Monitor> monitors() = 0;
    virtual SystemInfo systemInfo() = 0;
    virtual bool isAdministrator() = 0;
};

// The host the program runs on; the Win32 host unless a test installed another
// (setHost(nullptr) goes back to it). The native build has no Win32 host.
Host& host();
void setHost(Host* h);

}  // namespace platform
