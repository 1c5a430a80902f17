// The entries of the stand-in padlink.dll. Each call works on the state file named by
// PADLINK_SIM (default "padlink.sim" beside the DLL) and appends to its journal.
#include <windows.h>

#include <string>

#include "common/padlink_api.h"
#include "simulator/file_store.h"

namespace {

std::string libraryDirectory() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&libraryDirectory), &self);
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
    std::string dir(path, n);
    const auto slash = dir.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
}

// One session per load of the library: a caller that releases and loads it again
// starts with no controller selected.
struct Library {
    Library()
        : paths(sim::simPaths(libraryDirectory() + "padlink.sim")),
          store(paths.state),
          journal(paths.journal),
          session(store, journal) {}
    sim::SimPaths paths;
    sim::FileStore store;
    sim::FileJournal journal;
    sim::Session session;
};

sim::Session& session() {
    static Library library;
    return library.session;
}

}  // namespace

// Exported undecorated through padlink.def.
extern "C" {
int PADLINK_CALL SetID(int first, int pid, int third) {
    return session().setId(first, pid, third);
}
int PADLINK_CALL OpenPadlink() { return session().open(); }
int PADLINK_CALL ClosePadlink() { return session().close(); }
int PADLINK_CALL WriteTP(unsigned char* block) { return session().write(block); }
int PADLINK_CALL ReadTP(unsigned char* block) { return session().read(block); }
}
