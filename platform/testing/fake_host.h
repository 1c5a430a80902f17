#pragma once
// The recording host of the unit tests. Constructed per test, it installs itself with
// setHost and uninstalls on destruction; a second one while it lives is refused (abort). Files live in a fresh temporary folder it owns;
// time is virtual (pause advances the clocks without sleeping); beeps, boxes, pauses,
// program starts, posts, library and cursor calls and registry writes are recorded in
// one ordered event list.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/testing/fake_events.h"
#include "platform/testing/fake_paths.h"
#include "platform/testing/fake_registry.h"
#include "platform/host.h"

namespace platform {

class FakeHost final : public Host {
public:
    FakeHost();
    ~FakeHost() override;
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // --- Files. Current directory "C:\\TOUCH" until set; "\\x.log" is on its drive.
    void setCurrentDirectory(const std::string& windowsPath);
    std::string realPath(const std::string& windowsPath) const;
    void writeFile(const std::string& windowsPath, const std::string& content);  // makes folders
    std::string readFile(const std::string& windowsPath) const;  // "" when missing
    void setReadOnly(const std::string& windowsPath, bool readOnly = true);
    void refuseRenames(bool refuse = true);
    // Opening the file with exactly this mode fails (held open by another program, say).
    void refuseOpening(const std::string& windowsPath, const std::string& mode);
    void setFileTime(const std::string& windowsPath, std::time_t modified);
    void setProgramPath(const std::string& windowsPath);  // default "C:\\TOUCH\\program.exe"

    // --- Registry.
    void setRegString(RegRoot root, const std::string& key, const std::string& name,
                      const std::string& text, RegType type = RegType::String);
    void setRegInt(RegRoot root, const std::string& key, const std::string& name,
                   std::int32_t value);
    void addRegKey(RegRoot root, const std::string& key);
    bool regKeyExists(RegRoot root, const std::string& key);
    std::optional<std::string> regString(RegRoot root, const std::string& key,
                                         const std::string& name);
    std::optional<std::int32_t> regInt(RegRoot root, const std::string& key,
                                       const std::string& name);
    void refuseRegistryWrites(bool refuse = true);  // opening for writing fails
    void setLastError(long code) { m_lastError = code; }

    // --- Time. Calendar time starts at Mon Jan 05 09:07:03 2015, read as local time; a time
    // before 1970 has no text.
    void setNow(std::time_t t);
    void setTickCount(std::uint32_t ticks) { m_ticks = ticks; }
    static std::time_t calendarTime(int year, int month, int day, int hour, int minute,
                                    int second);
    // Runs action once virtual time has advanced afterMs from now (during a pause).
    void schedule(unsigned afterMs, std::function<void()> action);

    // --- Dialogs. Boxes take the queued answers in turn, then OK (Yes for a Yes/No box).
    void answerBoxes(std::initializer_list<int> answers);

    // --- Processes and windows. Starts succeed unless onRun says otherwise.
    std::function<bool(const std::string& commandLine, int show)> onRun;
    WindowRef addWindow(const std::string& className, const std::string& title);
    void removeWindow(WindowRef window);

    // --- Libraries: loadLibrary(name) matches name case-insensitively.
    void addLibrary(const std::string& name, std::map<std::string, void*> entries);
    int openLibraries() const;  // loads not yet freed

    // --- Cursors: a cursor file loads when it exists.
    CursorRef currentCursor() const { return m_currentCursor; }
    int cursorCount() const { return m_cursorCount; }
    std::string cursorFile(CursorRef cursor) const;  // the path it was loaded from

    // --- Monitors and system. One primary 1024 x 768 monitor; administrator.
    void setMonitors(std::vector<Monitor> monitors) { m_monitors = std::move(monitors); }
    void setSystemInfo(SystemInfo info) { m_systemInfo = std::move(info); }
    void setAdministrator(bool admin) { m_admin = admin; }

    // --- What happened. A mark is a position in the event list; views take one.
    std::size_t mark() const { return m_events.size(); }
    const std::vector<FakeEvent>& eventList() const { return m_events; }
    std::vector<std::string> events(std::size_t since = 0) const;
    std::vector<BeepCall> beeps(std::size_t since = 0) const;
    std::vector<BoxCall> boxes(std::size_t since = 0) const;
    std::vector<unsigned> pauses(std::size_t since = 0) const;
    std::vector<RunCall> runs(std::size_t since = 0) const;
    std::vector<PostCall> posts(std::size_t since = 0) const;
    std::vector<std::string> loads(std::size_t since = 0) const;  // names asked for
    std::vector<std::string> frees(std::size_t since = 0) const;
    std::vector<SystemCursorCall> systemCursors(std::size_t since = 0) const;

    // Host
    File openFile(const std::string& path, const char* mode) override;
    bool fileExists(const std::string& path) override;
    bool canReadWrite(const std::string& path) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;
    std::string currentDirectory() override { return m_paths->currentDirectory(); }
    bool fileTime(const std::string& path, std::time_t& modified) override;
    std::string programPath() override { return m_programPath; }

    std::unique_ptr<RegKey> openKey(RegRoot root, const std::string& path, bool write,
                                    bool create = true) override;
    long lastError() override { return m_lastError; }
    void clearLastError() override { m_lastError = 0; }

    std::uint32_t tickCount() override { return m_ticks; }
    std::time_t now() override { return static_cast<std::time_t>(m_nowMs / 1000); }
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

    std::vector<Monitor> monitors() override { return m_monitors; }
    SystemInfo systemInfo() override { return m_systemInfo; }
    bool isAdministrator() override { return m_admin; }

private:
    class Key;
    struct Window {
        WindowRef ref;
        std::string className, title;
    };
    struct Library {
        std::string name;
        std::map<std::string, void*> entries;
        int open = 0;
    };
    struct Scheduled {
        std::uint64_t due;
        std::function<void()> action;
    };

    static std::string hex(std::uintptr_t v);
    FakeEvent& record(FakeEventKind kind, std::string line);
    template <class T, class Make>
    std::vector<T> view(FakeEventKind kind, std::size_t since, Make make) const;
    Library* library(LibHandle lib);

    bool m_claimed;
    std::string m_root;
    std::unique_ptr<FakePaths> m_paths;
    std::set<std::string> m_readOnly;
    std::map<std::string, std::time_t> m_fileTimes;
    bool m_refuseRenames = false;
    std::set<std::pair<std::string, std::string>> m_refusedOpens;
    std::string m_programPath = "C:\\TOUCH\\program.exe";

    FakeRegistry m_registry;
    bool m_refuseRegWrites = false;
    long m_lastError = 0;

    std::uint32_t m_ticks = 10000;
    std::int64_t m_nowMs = 0;
    std::uint64_t m_clockMs = 0;
    std::vector<Scheduled> m_scheduled;

    std::vector<int> m_answers;
    std::vector<Window> m_windows;
    std::vector<Library> m_libraries;
    std::map<CursorRef, std::string> m_cursorFiles;
    CursorRef m_currentCursor = 0;
    int m_cursorCount = 0;

    std::vector<Monitor> m_monitors{Monitor{0, 0, 1024, 768, true, 1}};
    SystemInfo m_systemInfo{0, 0, "C:\\WINDOWS\\system32"};
    bool m_admin = true;

    std::vector<FakeEvent> m_events;
};

}  // namespace platform
