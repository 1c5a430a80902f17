#include "platform/testing/fake_host.h"

#include <cctype>

namespace platform {

namespace {

constexpr long modNotFound = 126;
constexpr LibHandle firstLibrary = 0x10000000;
constexpr CursorRef firstCursor = 0x20000;

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

// --- Libraries: handle = firstLibrary + 0x10000 * index, the same for every load, as a
// loaded module's handle is.

void FakeHost::addLibrary(const std::string& name, std::map<std::string, void*> entries) {
    m_libraries.push_back(Library{name, std::move(entries)});
}

int FakeHost::openLibraries() const {
    int open = 0;
    for (const Library& lib : m_libraries) open += lib.open;
    return open;
}

FakeHost::Library* FakeHost::library(LibHandle lib) {
    if (lib < firstLibrary || (lib - firstLibrary) % 0x10000) return nullptr;
    std::size_t index = (lib - firstLibrary) / 0x10000;
    return index < m_libraries.size() ? &m_libraries[index] : nullptr;
}

LibHandle FakeHost::loadLibrary(const std::string& name) {
    LibHandle handle = 0;
    for (std::size_t i = 0; i < m_libraries.size() && !handle; ++i)
        if (sameName(m_libraries[i].name, name)) {
            handle = firstLibrary + 0x10000 * i;
            ++m_libraries[i].open;
        }
    m_lastError = handle ? 0 : modNotFound;
    record(FakeEventKind::Load, "load " + name + " -> " + hex(handle)).text = name;
    return handle;
}

void* FakeHost::procAddress(LibHandle lib, const std::string& entry) {
    Library* found = library(lib);
    void* address = nullptr;
    if (found) {
        auto it = found->entries.find(entry);
        if (it != found->entries.end()) address = it->second;
    }
    record(FakeEventKind::Proc, "proc " + (found ? found->name : hex(lib)) + " " + entry +
                                    (address ? " -> found" : " -> missing"))
        .text = entry;
    return address;
}

void FakeHost::freeLibrary(LibHandle lib) {
    Library* found = library(lib);
    std::string name = found ? found->name : hex(lib);
    if (found && found->open > 0) --found->open;
    record(FakeEventKind::Free, "free " + name).text = name;
}

// --- Cursors

std::string FakeHost::cursorFile(CursorRef cursor) const {
    auto it = m_cursorFiles.find(cursor);
    return it == m_cursorFiles.end() ? std::string() : it->second;
}

CursorRef FakeHost::loadCursorFile(const std::string& path) {
    CursorRef cursor = 0;
    if (fileExists(path)) {
        cursor = firstCursor + 0x10 * m_cursorFiles.size();
        m_cursorFiles[cursor] = path;
    }
    FakeEvent& e = record(FakeEventKind::CursorLoad, "cursor load '" + path + "' -> " + hex(cursor));
    e.text = path;
    e.a = static_cast<std::int64_t>(cursor);
    return cursor;
}

bool FakeHost::setSystemCursor(CursorRef cursor, unsigned id) {
    FakeEvent& e = record(FakeEventKind::SystemCursor,
                          "cursor system " + hex(cursor) + " " + std::to_string(id));
    e.a = static_cast<std::int64_t>(cursor);
    e.b = id;
    return cursor != 0;
}

CursorRef FakeHost::setCursor(CursorRef cursor) {
    record(FakeEventKind::SetCursor, "cursor set " + hex(cursor)).a =
        static_cast<std::int64_t>(cursor);
    CursorRef previous = m_currentCursor;
    m_currentCursor = cursor;
    return previous;
}

int FakeHost::showCursor(bool show) {
    m_cursorCount += show ? 1 : -1;
    FakeEvent& e = record(FakeEventKind::ShowCursor, std::string("cursor ") +
                                                         (show ? "show" : "hide") + " -> " +
                                                         std::to_string(m_cursorCount));
    e.a = show;
    e.b = m_cursorCount;
    return m_cursorCount;
}

}  // namespace platform
