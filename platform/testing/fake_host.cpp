#include "platform/testing/fake_host.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "platform/ctime_text.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

std::string makeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "kitfake-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("FakeHost: cannot create its temporary folder");
        std::abort();
    }
    return pattern;
}

bool writes(const char* mode) {
    std::string m = mode;
    return m.find_first_of("wa+") != std::string::npos;
}

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    unsigned yoe = static_cast<unsigned>(y - era * 400);
    unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

std::tm civilFromTime(std::time_t t) {
    std::int64_t secs = static_cast<std::int64_t>(t);
    std::int64_t days = secs >= 0 ? secs / 86400 : (secs - 86399) / 86400;
    std::int64_t rest = secs - days * 86400;
    std::int64_t z = days + 719468;
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    unsigned doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    unsigned d = doy - (153 * mp + 2) / 5 + 1;
    unsigned m = mp < 10 ? mp + 3 : mp - 9;
    std::tm out{};
    out.tm_year = static_cast<int>(yoe + era * 400 + (m <= 2)) - 1900;
    out.tm_mon = static_cast<int>(m) - 1;
    out.tm_mday = static_cast<int>(d);
    out.tm_hour = static_cast<int>(rest / 3600);
    out.tm_min = static_cast<int>(rest / 60 % 60);
    out.tm_sec = static_cast<int>(rest % 60);
    out.tm_wday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    return out;
}

}  // namespace

std::string FakeHost::hex(std::uintptr_t v) {
    std::ostringstream os;
    os << "0x" << std::hex << v;
    return os.str();
}

namespace {
// Two fakes alive at once would each think they own the installed host.
bool fakeAlive = false;

bool claimFake() {
    if (fakeAlive) {
        std::fputs("FakeHost: a second live instance\n", stderr);
        std::abort();
    }
    fakeAlive = true;
    return true;
}
}  // namespace

FakeHost::FakeHost()
    : m_claimed(claimFake()),
      m_root(makeTempFolder()),
      m_paths(std::make_unique<FakePaths>(m_root)),
      m_nowMs(static_cast<std::int64_t>(calendarTime(2015, 1, 5, 9, 7, 3)) * 1000) {
    setHost(this);
}

FakeHost::~FakeHost() {
    setHost(nullptr);
    fakeAlive = false;
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}

// --- Files

void FakeHost::setCurrentDirectory(const std::string& windowsPath) {
    m_paths->setCurrentDirectory(windowsPath);
}

std::string FakeHost::realPath(const std::string& windowsPath) const {
    return m_paths->real(windowsPath);
}

void FakeHost::writeFile(const std::string& windowsPath, const std::string& content) {
    fs::path real = realPath(windowsPath);
    fs::create_directories(real.parent_path());
    std::ofstream(real, std::ios::binary) << content;
}

std::string FakeHost::readFile(const std::string& windowsPath) const {
    std::ifstream in(realPath(windowsPath), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void FakeHost::setReadOnly(const std::string& windowsPath, bool readOnly) {
    std::string name = m_paths->windowsForm(windowsPath);
    if (readOnly)
        m_readOnly.insert(name);
    else
        m_readOnly.erase(name);
}

void FakeHost::refuseRenames(bool refuse) { m_refuseRenames = refuse; }

void FakeHost::refuseOpening(const std::string& windowsPath, const std::string& mode) {
    m_refusedOpens.insert({m_paths->windowsForm(windowsPath), mode});
}

void FakeHost::setFileTime(const std::string& windowsPath, std::time_t modified) {
    m_fileTimes[m_paths->windowsForm(windowsPath)] = modified;
}

void FakeHost::setProgramPath(const std::string& windowsPath) { m_programPath = windowsPath; }

File FakeHost::openFile(const std::string& path, const char* mode) {
    if (m_refusedOpens.count({m_paths->windowsForm(path), mode})) {
        m_lastError = 32;  // sharing violation
        return nullptr;
    }
    if (writes(mode) && m_readOnly.count(m_paths->windowsForm(path))) {
        m_lastError = 5;  // access denied
        return nullptr;
    }
    return File(std::fopen(realPath(path).c_str(), mode));
}

bool FakeHost::fileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(realPath(path), ec);
}

bool FakeHost::canReadWrite(const std::string& path) {
    return fileExists(path) && !m_readOnly.count(m_paths->windowsForm(path));
}

bool FakeHost::renameFile(const std::string& from, const std::string& to) {
    // Windows refuses to rename onto an existing file, unlike the C library here.
    if (m_refuseRenames || !fileExists(from) || fileExists(to)) return false;
    if (std::rename(realPath(from).c_str(), realPath(to).c_str()) != 0) return false;
    if (m_readOnly.erase(m_paths->windowsForm(from))) m_readOnly.insert(m_paths->windowsForm(to));
    return true;
}

bool FakeHost::removeFile(const std::string& path) {
    if (m_readOnly.count(m_paths->windowsForm(path))) return false;
    return std::remove(realPath(path).c_str()) == 0;
}

bool FakeHost::fileTime(const std::string& path, std::time_t& modified) {
    if (!fileExists(path)) return false;
    auto set = m_fileTimes.find(m_paths->windowsForm(path));
    if (set != m_fileTimes.end()) {
        modified = set->second;
        return true;
    }
    struct stat info;
    if (::stat(realPath(path).c_str(), &info) != 0) return false;
    modified = info.st_mtime;
    return true;
}

// --- Time

void FakeHost::setNow(std::time_t t) { m_nowMs = static_cast<std::int64_t>(t) * 1000; }

std::time_t FakeHost::calendarTime(int year, int month, int day, int hour, int minute,
                                   int second) {
    std::int64_t days = daysFromCivil(year, static_cast<unsigned>(month),
                                      static_cast<unsigned>(day));
    return static_cast<std::time_t>(days * 86400 + hour * 3600 + minute * 60 + second);
}

void FakeHost::schedule(unsigned afterMs, std::function<void()> action) {
    m_scheduled.push_back(Scheduled{m_clockMs + afterMs, std::move(action)});
}

// As the Windows run time, which converts no time before 1970.
std::string FakeHost::ctimeText(std::time_t t) {
    return t < 0 ? std::string() : platform::ctimeText(civilFromTime(t));
}

void FakeHost::pause(unsigned ms) {
    record(FakeEventKind::Pause, "pause " + std::to_string(ms)).a = ms;
    m_ticks += ms;
    m_nowMs += ms;
    m_clockMs += ms;
    // Actions may schedule more; run whatever has come due, in order of due time.
    for (;;) {
        auto next = m_scheduled.end();
        for (auto it = m_scheduled.begin(); it != m_scheduled.end(); ++it)
            if (it->due <= m_clockMs && (next == m_scheduled.end() || it->due < next->due))
                next = it;
        if (next == m_scheduled.end()) break;
        std::function<void()> action = std::move(next->action);
        m_scheduled.erase(next);
        action();
    }
}

// --- Sound and dialogs

void FakeHost::answerBoxes(std::initializer_list<int> answers) {
    m_answers.insert(m_answers.end(), answers);
}

void FakeHost::beep(unsigned hz, unsigned ms) {
    FakeEvent& e = record(FakeEventKind::Beep,
                          "beep " + std::to_string(hz) + " " + std::to_string(ms));
    e.a = hz;
    e.b = ms;
}

int FakeHost::messageBox(const std::string& text, const std::string& caption,
                         unsigned buttons) {
    int answer = (buttons & 0xF) == boxYesNo ? answerYes : answerOk;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.erase(m_answers.begin());
    }
    FakeEvent& e = record(FakeEventKind::Box, "box '" + text + "' '" + caption + "' " +
                                                  std::to_string(buttons) + " -> " +
                                                  std::to_string(answer));
    e.text = text;
    e.text2 = caption;
    e.a = buttons;
    e.b = answer;
    return answer;
}

// --- Processes and windows

bool FakeHost::run(const std::string& commandLine, int show) {
    bool started = onRun ? onRun(commandLine, show) : true;
    FakeEvent& e = record(FakeEventKind::Run, "run '" + commandLine + "' " +
                                                  std::to_string(show) + " -> " +
                                                  (started ? "started" : "failed"));
    e.text = commandLine;
    e.a = show;
    e.b = started;
    return started;
}

WindowRef FakeHost::addWindow(const std::string& className, const std::string& title) {
    WindowRef ref = 0x1000 + 0x10 * (m_windows.size() + 1);
    m_windows.push_back(Window{ref, className, title});
    return ref;
}

void FakeHost::removeWindow(WindowRef window) {
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it)
        if (it->ref == window) {
            m_windows.erase(it);
            return;
        }
}

WindowRef FakeHost::findWindow(const std::string& className, const std::string& title) {
    WindowRef found = 0;
    for (const Window& w : m_windows)
        if ((className.empty() || w.className == className) && (title.empty() || w.title == title)) {
            found = w.ref;
            break;
        }
    record(FakeEventKind::Find, "find '" + className + "' '" + title + "' -> " + hex(found)).a =
        static_cast<std::int64_t>(found);
    return found;
}

bool FakeHost::postMessage(WindowRef window, unsigned msg, std::uintptr_t wParam,
                           std::intptr_t lParam) {
    bool known = false;
    for (const Window& w : m_windows) known = known || w.ref == window;
    FakeEvent& e = record(FakeEventKind::Post,
                          "post " + hex(window) + " " + std::to_string(msg) + " " +
                              std::to_string(wParam) + " " + std::to_string(lParam) + " -> " +
                              (known ? "1" : "0"));
    e.a = static_cast<std::int64_t>(window);
    e.b = msg;
    e.c = static_cast<std::int64_t>(wParam);
    e.d = lParam;
    return known;
}

void FakeHost::bringForward(WindowRef window) {
    record(FakeEventKind::Forward, "forward " + hex(window)).a = static_cast<std::int64_t>(window);
}

}  // namespace platform
