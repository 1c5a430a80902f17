#pragma once
// The host of the shipped programs: every service straight from Windows. Texts are ANSI
// (the system's code page), so the A calls are used throughout.
#include "platform/host.h"

namespace platform {

class Win32Host final : public Host {
public:
    File openFile(const std::string& path, const char* mode) override;
    bool fileExists(const std::string& path) override;
    bool canReadWrite(const std::string& path) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;
    std::string currentDirectory() override;
    bool fileTime(const std::string& path, std::time_t& modified) override;
    std::string programPath() override;

    std::unique_ptr<RegKey> openKey(RegRoot root, const std::string& path, bool write,
                                    bool create = true) override;
    long lastError() override;
    void clearLastError() override;

    std::uint32_t tickCount() override;
    std::time_t now() override;
    std::string ctimeText(std::time_t t) override;
    void pause(unsigned ms) override;

    void beep(unsigned hz, unsigned ms) override;
    int messageBox(const std::string& text, const std::string& caption,
                   unsigned buttons) override;

    bool run(const std::string& commandLine, int show) override;
    WindowRef findWindow(const std::string& className, const std::string& title) override;
    bool postMessage(WindowRef window, unsigned msg, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    void bringForward(WindowRef window) override;

    LibHandle loadLibrary(const std::string& name) override;
    void* procAddress(LibHandle lib, const std::string& entry) override;
    void freeLibrary(LibHandle lib) override;

    CursorRef loadCursorFile(const std::string& path) override;
    bool setSystemCursor(CursorRef cursor, unsigned id) override;
    CursorRef setCursor(CursorRef cursor) override;
    int showCursor(bool show) override;

    std::vector<Monitor> monitors() override;
    SystemInfo systemInfo() override;
    bool isAdministrator() override;
};

}  // namespace platform
